<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>Écrire à quelle adresse</translation>
    </message>
</context>
<context>
    <name>CallWindow</name>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Appeler %1</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Aucun numéro de téléphone</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Professionnel</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Professionnel 2</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Domicile 2</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Appeler</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;SMS</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>Aucun programme de messagerie SMS n&apos;a pu être ouvert pour les liens sms:.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>%1 a été transmis à votre programme de téléphonie.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n modification de contact attend le serveur du carnet d&apos;adresses et sera envoyée dès qu&apos;il répondra.</numerusform>
            <numerusform>%n modifications de contacts attendent le serveur du carnet d&apos;adresses et seront envoyées dès qu&apos;il répondra.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas encore été récupéré depuis son serveur ; ses contacts pourront être modifiés ensuite.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>Le serveur du carnet d&apos;adresses est injoignable : la modification est conservée sur cet ordinateur et sera envoyée dès que le serveur répondra à nouveau.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>Une autre modification est en cours d&apos;écriture ; réessayez.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>La modification de « %1 » n&apos;a pas été écrite : %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>Ouverture de la lettre à %1 dans le traitement de texte...</translation>
    </message>
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Surnom</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Modifier ce contact (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Supprimer ce contact</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

La fiche affiche maintenant le contact tel qu&apos;il est ; vos modifications sont conservées dans les champs. Vérifiez-les et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>Abandonner vos modifications de « %1 » ?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>Supprimer « %1 » du carnet d&apos;adresses ?

Une copie de la fiche est conservée dans %2.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Nouveau contact</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>Afficher %1 sur une carte</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>Copier la &amp;sélection</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Afficher sur une &amp;carte</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copié : %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>Le carnet d&apos;adresses dans lequel le nouveau contact est enregistré</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>Ca&amp;rnet d&apos;adresses :</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

La fiche affiche maintenant le contact tel qu&apos;il est.</translation>
    </message>
</context>
<context>
    <name>ContactEditForm</name>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Professionnel</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>&amp;Préfixe</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>P&amp;rénom</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>&amp;Deuxième prénom</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>&amp;Nom de famille</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>Suffi&amp;xe</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>Nom comp&amp;let</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>Cl&amp;asser sous</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>comme le nom</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>&amp;Organisation</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Fonction</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>S&amp;urnom</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>Ajouter une adresse e-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Ajouter un numéro de téléphone</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Adresse postale</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Ajouter une adresse postale</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Ajouter une page web</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Autres &amp;catégories</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>séparées par des virgules</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>Anni&amp;versaire</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12, ou --04-12</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>No&amp;te</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Preferred</source>
        <translation>Préféré</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Supprimer l&apos;adresse</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
</context>
<context>
    <name>ContactItem</name>
    <message>
        <source>Quintel does not change contacts of this address book; change it in the program it belongs to.</source>
        <translation>Quintel ne modifie pas les contacts de ce carnet d&apos;adresses ; modifiez ce contact dans le programme auquel le carnet appartient.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Aucun carnet d&apos;adresses « %1 » n&apos;accepte de nouveaux contacts.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Erreur %1 : %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>Le message fait %1, plus que les %2 écrits dans le dossier de messagerie %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>Le message fait %1, plus que les %2 transmis au programme de messagerie %3.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>Le message n&apos;a pas pu être lu pour être envoyé : %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>Le message fait %1, plus que les %2 qu&apos;accepte le serveur de messagerie %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>Le message fait %1, plus que les %2 envoyés à un serveur de messagerie qui n&apos;indique pas de limite (%3).</translation>
    </message>
</context>
<context>
    <name>MatchList</name>
    <message>
        <source>e-mail</source>
        <translation>adresse e-mail</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>organisation</translation>
    </message>
    <message>
        <source>title</source>
        <translation>fonction</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>surnom</translation>
    </message>
    <message>
        <source>category</source>
        <translation>catégorie</translation>
    </message>
    <message>
        <source>place</source>
        <translation>lieu</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Contacts correspondants</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Ouvre une nouvelle fiche de contact avec ce texte (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>Ajouter « %1 » comme nouveau contact…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Mot de passe du carnet d&apos;adresses %1 :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>Une adresse e-mail doit contenir un « @ ».</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>Ce n&apos;est pas une adresse e-mail.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>Un anniversaire est une date comme 1985-04-12, ou --04-12 sans l&apos;année.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>Un contact doit avoir un nom, une organisation, une adresse e-mail ou un numéro de téléphone.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>Quintel lit le carnet d&apos;adresses de Thunderbird mais ne le modifie pas ; modifiez ce contact dans Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>Le fichier de contact « %1 » n&apos;a pas pu être écrit (%2) ; il est resté tel quel.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>Le dossier du carnet d&apos;adresses « %1 » ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>Le fichier de contact « %1 » ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>Le contact de « %1 » a été modifié par un autre programme depuis son ouverture ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>Le fichier de contact « %1 » a été supprimé depuis son ouverture ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>Le fichier de contact « %1 » est écrit en UTF-16, que Quintel lit mais n&apos;écrit pas ; modifiez-le dans un autre programme.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>Le contact n&apos;a pas d&apos;UID utilisable pour son nom de fichier.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>le dossier « %1 » ne peut pas être créé</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>Le contact « %1 » ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Ce contact est la copie par Quintel du carnet d&apos;adresses d&apos;un serveur (CardDAV ou LDAP) ; modifiez-le sur le serveur ou dans le programme qui le gère.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>Le carnet d&apos;adresses CardDAV est fermé.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>« %1 » a été modifié sur le serveur du carnet d&apos;adresses depuis sa lecture ; votre modification n&apos;a pas été écrite.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>La modification de « %1 » n&apos;a pas été écrite : %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>« %1 » a été modifié sur le serveur du carnet d&apos;adresses depuis sa lecture ; il n&apos;a pas été supprimé.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>Le serveur du carnet d&apos;adresses n&apos;a pas supprimé « %1 » : %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 Votre version du contact est conservée dans %2.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>Le serveur du carnet d&apos;adresses n&apos;accepte pas de modifications pour le moment.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>« %1 » n&apos;a pas été supprimé sur le serveur du carnet d&apos;adresses : il y a été modifié entre-temps.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>Votre modification de « %1 » n&apos;a pas été envoyée : le contact a été modifié entre-temps sur le serveur du carnet d&apos;adresses. Votre version est conservée dans %2.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>Le serveur du carnet d&apos;adresses a refusé la modification de « %1 » (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>La modification ne peut pas être conservée sur cet ordinateur (%1 : %2) ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>« %1 » a été supprimé de « %2 » depuis sa lecture ; votre modification n&apos;a pas été écrite.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>Le carnet d&apos;adresses « %1 » n&apos;accepte pas de modifications : %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>Le carnet d&apos;adresses « %1 » n&apos;a pas répondu à temps ; « %2 » est inchangé.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>« %1 » n&apos;a pas pu être écrit dans « %2 » : %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>Le contact ne peut pas être écrit en vCard.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>Le carnet d&apos;adresses « %1 » du bureau est en lecture seule ; modifiez ce contact là où le carnet est tenu (Contacts de GNOME, Evolution ou son serveur).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>« %1 » a été modifié dans « %2 » depuis sa lecture ; votre modification n&apos;a pas été écrite.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Aucun des carnets d&apos;adresses du bureau que lit Quintel n&apos;accepte de modifications ; ajoutez des contacts dans Contacts de GNOME ou Evolution.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>« %1 » a été modifié dans « %2 » depuis sa lecture ; il n&apos;a pas été supprimé.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>Le message n&apos;a pas été envoyé.

%1

L&apos;objet et le texte sont conservés.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Choisissez le contact à qui envoyer le message.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>Le message n&apos;a pas été envoyé.

%1

Le garder dans la boîte d&apos;envoi ? Quintel l&apos;envoie dès que le serveur est joignable.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>Le message de la boîte d&apos;envoi ne peut pas être envoyé.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>Des messages de la boîte d&apos;envoi n&apos;ont pas été envoyés.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Un message à %1 était en cours d&apos;envoi à l&apos;arrêt de Quintel. Le serveur l&apos;a peut-être déjà reçu.

L&apos;envoyer à nouveau ?

Non le retire de la boîte d&apos;envoi sans l&apos;envoyer.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>un destinataire inconnu</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>Le message n&apos;a pas été renvoyé. Il est conservé dans %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>Envoi du message à %1...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Envoyer à %1</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Choisissez le contact à qui envoyer le message</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Configuration de Quintel</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>Quintel a besoin d&apos;un carnet d&apos;adresses. La plupart commencent par un carnet local : un dossier de fichiers vCard sur cet ordinateur, que vous pouvez remplir en important un fichier .vcf exporté de votre téléphone ou de votre messagerie.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>&amp;Carnets d&apos;adresses trouvés sur cet ordinateur (ceux qui sont cochés sont lus, dans cet ordre, au lieu du choix ci-dessous) :</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Carnets d&apos;adresses trouvés</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>Un &amp;dossier de fichiers vCard sur cet ordinateur</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Dossier du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>C&amp;hoisir…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>Choisir le dossier qui contient les fichiers .vcf</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>&amp;Importer un fichier .vcf…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>Copier les contacts d&apos;un fichier .vcf dans ce dossier</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Un serveur Card&amp;DAV (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Ad&amp;resse :</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adresse du serveur</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>conservé dans le trousseau de clés</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>Le carnet d&apos;adresses du bureau (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>Les carnets d&apos;adresses du bureau</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>Les carnets que Quintel lit ; pour un nom présent dans plusieurs, le premier l&apos;emporte</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>Recherche des carnets d&apos;adresses du bureau…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Annuaire de l&apos;entreprise (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>La liste d&apos;adresses de l&apos;entreprise sur un serveur LDAP (OpenLDAP, Active Directory, FreeIPA), lue dans une copie sur cet ordinateur</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur :</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Serveur d&apos;annuaire</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://hôte, ou ldap://hôte (la connexion est alors sécurisée par StartTLS)</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>Base :</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Bind DN:</source>
        <translation>DN de connexion :</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN de connexion</translation>
    </message>
    <message>
        <source>empty: read anonymously</source>
        <translation>vide : lecture anonyme</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Mot de passe de l&apos;annuaire</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Se connecter au serveur choisi et dire ce qu&apos;il contient ; rien n&apos;est enregistré</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Messagerie</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>Le send&amp;mail du système</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Un ser&amp;veur SMTP</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>Votre propre logiciel de messagerie (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>ENVOYER ouvre la fenêtre de nouveau message de votre messagerie avec le message rempli ; vous l&apos;envoyez de là, avec sa propre connexion, sa signature et son dossier Envoyés. Choisissez ceci quand votre fournisseur n&apos;accepte plus de mot de passe pour envoyer (Microsoft 365, ou Google sans mot de passe d&apos;application).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Messages enregistrés dans un dossier (pour les essais)</translation>
    </message>
    <message>
        <source>H&amp;ost:</source>
        <translation>&amp;Hôte :</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Serveur SMTP</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Port &amp;number:</source>
        <translation>&amp;Numéro de port :</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>port habituel</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Sé&amp;curité :</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (port 587)</translation>
    </message>
    <message>
        <source>TLS (port 465)</source>
        <translation>TLS (port 465)</translation>
    </message>
    <message>
        <source>None (only to this computer)</source>
        <translation>Aucune (seulement vers cet ordinateur)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>Nom d&apos;utilisateur SMTP</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Mot de pa&amp;sse :</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>Adresse de l&apos;&amp;expéditeur :</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Votre nom :</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Nom de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>M&apos;envoyer un messa&amp;ge d&apos;essai</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Garder une copie de chaque message envoyé dans le dossier Envoyés de mon compte IMAP</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Pour que votre logiciel de messagerie affiche les e-mails rapides envoyés</translation>
    </message>
    <message>
        <source>IMAP host:</source>
        <translation>Hôte IMAP :</translation>
    </message>
    <message>
        <source>IMAP server</source>
        <translation>Serveur IMAP</translation>
    </message>
    <message>
        <source>imap.example.org</source>
        <translation>imap.example.org</translation>
    </message>
    <message>
        <source>IMAP port:</source>
        <translation>Port IMAP :</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>Port IMAP</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>Sécurité IMAP :</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>Sécurité IMAP</translation>
    </message>
    <message>
        <source>TLS (port 993)</source>
        <translation>TLS (port 993)</translation>
    </message>
    <message>
        <source>STARTTLS (port 143)</source>
        <translation>STARTTLS (port 143)</translation>
    </message>
    <message>
        <source>IMAP user name:</source>
        <translation>Utilisateur IMAP :</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>Utilisateur IMAP</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>Mot de passe IMAP :</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>Tester la connexion IMAP</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Se connecter au serveur IMAP et montrer le dossier Envoyés qui sera utilisé</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Lancer Quintel à l&apos;&amp;ouverture de session</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>Afficher la barre avec :</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>Afficher la barre avec</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Utiliser un &amp;carnet d&apos;adresses local</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>%1 ne peut pas être supprimé.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Dossier du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>Contacts KDE</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contact</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contacts</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>Utilisé : %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Saisissez l&apos;adresse du serveur CardDAV.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>Le serveur a répondu, mais il n&apos;a aucun carnet d&apos;adresses pour cet utilisateur.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Connecté : carnet d&apos;adresses « %1 » trouvé.</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Connecté : %1 carnets d&apos;adresses trouvés : %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Le serveur a refusé le nom d&apos;utilisateur ou le mot de passe.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Pas de connexion : %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Saisissez le mot de passe de %1, ou laissez le DN de connexion vide pour lire l&apos;annuaire anonymement.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Connecté, mais aucune personne ni aucun groupe n&apos;a été trouvé sous %1.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Connecté : 1 entrée trouvée.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Connecté : %1 entrées trouvées.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>Le serveur d&apos;annuaire n&apos;autorise pas la lecture anonyme : saisissez un DN de connexion et son mot de passe. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Pas de connexion : %1%2 Vérifiez l&apos;adresse et le port, et que cet ordinateur est sur le réseau de l&apos;entreprise.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>Le serveur d&apos;annuaire n&apos;a pas d&apos;entrée %1 : vérifiez la base.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>Votre logiciel de messagerie envoie le message : il n&apos;y a rien à tester ici.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Saisissez votre propre adresse comme adresse de l&apos;expéditeur : le message d&apos;essai y est envoyé.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Message d&apos;essai de Quintel</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Ce message a été envoyé par Configuration de Quintel pour vérifier votre compte de messagerie.
Quintel peut envoyer des messages. Aucune réponse n&apos;est nécessaire.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Un message d&apos;essai a été envoyé à %1.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>Le message d&apos;essai n&apos;a pas été envoyé : %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Connecté : les copies des messages envoyés vont dans le dossier « %1 ».</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Boîte d&apos;envoi : aucun message n&apos;attend d&apos;être envoyé.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Boîte d&apos;envoi : %1 (dans %2). Quintel l&apos;envoie pendant qu&apos;il fonctionne.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>Le bureau n&apos;a aucun carnet d&apos;adresses activé.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Ce Quintel a été compilé sans le carnet d&apos;adresses du bureau (libebook).</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>Utilisation du carnet d&apos;adresses du bureau (%1 contacts dans %2 %3) ; Configuration de Quintel permet de changer cela.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Aucun trousseau de clés (Secret Service ou KWallet) n&apos;a pris le mot de passe.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>Le trousseau de clés ne contient aucun mot de passe pour ce compte.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>Aucun trousseau de clés n&apos;est disponible : %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>Le raccourci d&apos;appel %1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>Le mot de passe %1 n&apos;a pas été enregistré : %2 Quintel le demandera quand il en aura besoin.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>Le dossier du carnet d&apos;adresses doit être un chemin complet (commençant par /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>Le nom d&apos;utilisateur CardDAV contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Saisissez le nom d&apos;hôte du serveur SMTP.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>Le nom d&apos;hôte SMTP n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>Le port SMTP doit être compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Une connexion sans chiffrement n&apos;est permise que vers cet ordinateur (localhost) : choisissez TLS ou STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>Le nom d&apos;utilisateur SMTP contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Saisissez votre propre adresse comme adresse de l&apos;expéditeur.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>Le programme sendmail doit être indiqué avec son chemin complet.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>Le nom de l&apos;expéditeur contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>L&apos;adresse du serveur d&apos;annuaire contient des caractères de contrôle.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Saisissez la base de l&apos;annuaire, où la recherche commence (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Saisissez le nom d&apos;hôte du serveur IMAP, ou ne gardez pas de copie dans Envoyés.</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>Le nom d&apos;hôte IMAP n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>Le port IMAP doit être compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Une connexion IMAP sans chiffrement n&apos;est permise que vers cet ordinateur (localhost) : choisissez TLS ou STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Saisissez le nom d&apos;utilisateur IMAP.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Garder les contacts dans %1 et lancer Quintel</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Aucun raccourci</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>Importer un fichier .vcf</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Fichiers vCard (*.vcf *.vcard);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>illisible : %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>port habituel (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>1 contact importé.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>%1 contacts importés.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> %1 déjà dans le carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> %1 non importés :
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 ne contient aucune vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Fiche %1 : %2 ne peut pas être écrit : %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Appuyez sur les touches qui font apparaître la barre depuis n&apos;importe quel programme ; videz le champ pour n&apos;en avoir aucune. Une barre ouverte prend les nouvelles touches dès qu&apos;elles sont enregistrées.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Afficher pendant la saisie les correspondances de tous les champs</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>Oublier les contacts utilisés</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Oublie les contacts sur lesquels vous avez agi depuis la barre et combien de fois (conservé dans %1, utilisé seulement pour les placer en tête des correspondances)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Barre</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>Le dossier %1 n&apos;existe pas : la barre n&apos;affiche aucun contact tant qu&apos;il n&apos;existe pas. Choisissez un dossier existant, ou créez celui-ci.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>Aucune combinaison de touches n&apos;a été indiquée.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 n&apos;est pas une touche de modification (Ctrl, Alt, Maj ou Méta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>La combinaison doit comporter une touche en plus des touches de modification.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>La touche %1 ne peut pas servir de raccourci.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>La combinaison doit comporter Ctrl, Alt ou Méta : sinon, taper %1 n&apos;importe où ferait apparaître la barre.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>le raccourci n&apos;a pas été accepté dans la fenêtre du bureau</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>le portail du bureau l&apos;a refusé</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>Le portail du bureau ne fournit pas de raccourci : %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>Le raccourci d&apos;appel ne peut pas être défini : %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>Le bureau n&apos;a attribué aucune combinaison de touches au raccourci d&apos;appel (un autre programme la détient peut-être) : choisissez-en une dans les réglages du clavier du bureau.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>Le raccourci %1 ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Ce bureau n&apos;offre pas de raccourcis propres aux programmes : associez %1 à la commande « quintel » dans les réglages du clavier du bureau.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>Le raccourci %1 ne peut pas être utilisé : le clavier n&apos;a pas cette touche.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>Le raccourci %1 est pris par un autre programme : choisissez-en un autre dans Configuration de Quintel.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>Impossible de masquer : ce bureau n&apos;a pas de zone de notification</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>La zone de notification a disparu : la barre est revenue</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Afficher Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Configuration de Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>Configuration de Quintel n&apos;a pas pu être lancée (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Dernières notes</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Quitter Quintel</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Aucune note</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Aucun programme de messagerie n&apos;est choisi pour ouvrir les liens mailto:. Le message n&apos;a pas été transmis.

Installez-en un (par exemple le paquet %1), puis choisissez-le dans les paramètres de votre bureau sous Applications par défaut, ou exécutez :

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Aucun programme de téléphonie n&apos;est choisi pour ouvrir les liens %3:. Le numéro n&apos;a pas été transmis.

Installez-en un (par exemple le paquet %1), puis choisissez-le dans les paramètres de votre bureau sous Applications par défaut, ou exécutez :

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Aucun navigateur web n&apos;est choisi pour ouvrir les pages web. La carte n&apos;a pas été ouverte.

Installez-en un (par exemple le paquet %1), puis choisissez-le dans les paramètres de votre bureau sous Applications par défaut, ou exécutez :

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>Le dossier du carnet d&apos;adresses %1 n&apos;existe pas. Choisissez votre carnet d&apos;adresses dans la Configuration de Quintel.</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>Le dossier du carnet d&apos;adresses %1 a disparu ; ses contacts reviendront avec lui.</translation>
    </message>
</context>
<context>
    <name>actionkeys</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Touche : %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Quintel: a small always-on-top contact bar. Type a contact&apos;s name, then mail, call or write.</source>
        <translation>Quintel : une petite barre de contacts toujours au premier plan. Tapez le nom d&apos;un contact, puis envoyez un e-mail, appelez ou écrivez.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]
</source>
        <translation>Usage : %1 [--help | --version]
</translation>
    </message>
    <message>
        <source>

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
</source>
        <translation>

Options :
  -h, --help     Afficher cette aide et quitter.
  -v, --version  Afficher la version et quitter.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>l&apos;option %1 demande une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Configuration de Quintel : le carnet d&apos;adresses et le compte de messagerie de la barre de contacts Quintel, et son démarrage à la connexion.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Veuillez patienter - recherche des contacts...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>Le fichier de verrou %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>Quintel est déjà lancé (processus %1) mais ne répond pas.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>Sous Wayland, garder la barre au-dessus des autres fenêtres dépend du compositeur.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Veuillez patienter - filtrage des contacts...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>Fermer Quintel ?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Choisissez un contact pour copier son adresse.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>Ce contact n&apos;a pas d&apos;adresse e-mail.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copié : %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Remarque :  avec cette option, les adresses e-mail de chaque contact sont lues à chaque saisie d&apos;un nom.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Trop de catégories</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>Impossible d&apos;ajouter une catégorie</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>Cette catégorie ne peut pas être supprimée</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Préférences générales</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>Boutons e-mail seulement si contact avec adresse</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Catégories </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Une petite barre de contacts pour le bureau.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Logo de Quintel</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Icône de Quintel</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Écrire une lettre</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Appeler</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>E-mail rapide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>EFFACER</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ENVOYER</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Changer de taille</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Afficher le contact</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>Texte du message</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Contacts correspondants</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Nom du contact</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Aucun contact trouvé</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Contact trouvé</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Nombre de contacts</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Liste les contacts du carnet d&apos;adresses de Quintel, tels que la barre de contacts les voit.
Code de sortie : 0 tout lu ; 1 des fiches ou fichiers ignorés (voir stderr) ; 2 rien listé.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Un objet JSON par élément et par ligne.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Seulement les éléments retenus par le filtre, par ex. [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Un carnet d&apos;adresses, écrit comme dans le réglage Books : un dossier, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. Avec --backend eds : le carnet d&apos;adresses du bureau par nom ou UID (plusieurs : séparés par &quot;;&quot;).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>Le type de source à lire, tel qu&apos;un carnet du réglage Books le nomme (vcard, thunderbird, carddav, eds). Par défaut : les carnets d&apos;adresses configurés.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>Avec --backend eds : les carnets d&apos;adresses du bureau avec leur nombre de contacts.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Attente maximale du carnet d&apos;adresses du bureau, en secondes (15 par défaut).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Un dossier de fichiers .vcf ou une racine vdir avec un dossier par collection (par défaut : les carnets d&apos;adresses configurés).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Seulement les contacts que les mots trouvent, comme la liste des correspondances de la barre les trouve (chaque mot commence un mot d&apos;un nom, surnom, d&apos;une organisation, fonction, adresse e-mail, catégorie, ville ou d&apos;un code postal, ou fait partie d&apos;un numéro ; accents et casse ignorés), dans son ordre.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Modifie le contact ayant cet identifiant d&apos;entrée (tel que la liste l&apos;affiche) selon les options --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Ajoute au carnet d&apos;adresses un contact fait des options --value.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Supprime le contact ayant cet identifiant d&apos;entrée ; sa fiche est conservée dans ~/.local/share/Quintel/deleted-contacts.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, PROPERTY étant un nom que la liste affiche (FullName, Email1Address, MobileTelephoneNumber, HomeAddress sous la forme rue;ville;région;code postal;pays, Categories en liste séparée par des virgules, …) ; une VALUE vide la supprime. Peut être répété.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Lister tout de suite le carnet d&apos;un serveur (CardDAV, LDAP) depuis sa copie, sans mettre la copie à jour.</translation>
    </message>
</context>
</TS>
