<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>A quale indirizzo scrivere</translation>
    </message>
</context>
<context>
    <name>CallWindow</name>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Chiama %1</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Nessun numero di telefono</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Lavoro 2</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Casa 2</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Chiama</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;SMS</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>Non è stato possibile aprire un programma di messaggi per i link sms:.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>%1 è stato passato al tuo programma telefonico.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n modifica ai contatti attende il server della rubrica e sarà inviata quando risponde.</numerusform>
            <numerusform>%n modifiche ai contatti attendono il server della rubrica e saranno inviate quando risponde.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>La rubrica non è ancora stata scaricata dal suo server; i suoi contatti potranno essere modificati dopo.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>Il server della rubrica non è raggiungibile: la modifica è conservata su questo computer e sarà inviata quando il server risponderà di nuovo.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>È in corso la scrittura di un&apos;altra modifica; riprova.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>La modifica a «%1» non è stata scritta: %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>Apertura della lettera a %1 nell&apos;elaboratore di testi...</translation>
    </message>
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Soprannome</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Pagina web</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Elimina…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Modifica questo contatto (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Elimina questo contatto</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

La scheda ora mostra il contatto così com&apos;è; le tue modifiche restano nei campi. Controllale e salva di nuovo.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>Scartare le modifiche a «%1»?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>Eliminare «%1» dalla rubrica?

Una copia della scheda viene conservata in %2.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Nuovo contatto</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copia %1</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>Mostra %1 su una mappa</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>Copia la &amp;selezione</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Mostra su una &amp;mappa</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiato: %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>La rubrica in cui viene salvato il nuovo contatto</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>Ru&amp;brica:</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

La scheda ora mostra il contatto così com&apos;è.</translation>
    </message>
</context>
<context>
    <name>ContactEditForm</name>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Cercapersone</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>Pre&amp;fisso</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>Secon&amp;do nome</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>Co&amp;gnome</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>S&amp;uffisso</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>Nome com&amp;pleto</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>&amp;Archivia come</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>come il nome</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>&amp;Organizzazione</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Qualifica</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>Sop&amp;rannome</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>Aggiungi indirizzo e-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Aggiungi numero di telefono</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Indirizzo postale</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Aggiungi indirizzo postale</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Pagina web</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Aggiungi pagina web</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Altre &amp;categorie</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>separate da virgole</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>Comp&amp;leanno</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12, oppure --04-12</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>No&amp;ta</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Preferred</source>
        <translation>Preferito</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Rimuovi indirizzo</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
</context>
<context>
    <name>ContactItem</name>
    <message>
        <source>Quintel does not change contacts of this address book; change it in the program it belongs to.</source>
        <translation>Quintel non modifica i contatti di questa rubrica; modifica il contatto nel programma a cui appartiene la rubrica.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Nessuna rubrica «%1» accetta nuovi contatti.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Errore %1: %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>Il messaggio è di %1, più dei %2 scritti nella cartella di posta %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>Il messaggio è di %1, più dei %2 passati al programma di posta %3.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>Non è stato possibile leggere il messaggio per inviarlo: %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>Il messaggio è di %1, più dei %2 che il server di posta %3 accetta.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>Il messaggio è di %1, più dei %2 inviati a un server di posta che non indica alcun limite (%3).</translation>
    </message>
</context>
<context>
    <name>MatchList</name>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numero</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>organizzazione</translation>
    </message>
    <message>
        <source>title</source>
        <translation>qualifica</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>soprannome</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoria</translation>
    </message>
    <message>
        <source>place</source>
        <translation>luogo</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Contatti corrispondenti</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Apre una nuova scheda del contatto con questo testo (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>Aggiungi «%1» come nuovo contatto…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Password della rubrica %1:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>Un indirizzo e-mail deve contenere una «@».</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>Questo non è un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>Un compleanno è una data come 1985-04-12, oppure --04-12 senza l&apos;anno.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>Un contatto richiede un nome, un&apos;organizzazione, un indirizzo e-mail o un numero di telefono.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>Quintel legge la rubrica di Thunderbird ma non la modifica; modifica questo contatto in Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>Impossibile scrivere il file del contatto «%1» (%2); è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>Impossibile aprire la cartella della rubrica «%1»: %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>Impossibile leggere il file del contatto «%1»: %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>Il contatto in «%1» è stato modificato da un altro programma dopo l&apos;apertura; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>Il file del contatto «%1» è stato rimosso dopo l&apos;apertura; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>Il file del contatto «%1» è scritto in UTF-16, che Quintel legge ma non scrive; modificalo in un altro programma.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>Il contatto non ha un UID utilizzabile per il nome del file.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>impossibile creare la cartella «%1»</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>Impossibile leggere il contatto «%1»: %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Questo contatto è la copia di Quintel della rubrica di un server (CardDAV o LDAP); modificalo sul server o nel programma che la gestisce.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>La rubrica CardDAV è chiusa.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>«%1» è stato modificato sul server della rubrica dopo la lettura; la tua modifica non è stata scritta.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>La modifica a «%1» non è stata scritta: %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>«%1» è stato modificato sul server della rubrica dopo la lettura; non è stato eliminato.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>Il server della rubrica non ha eliminato «%1»: %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 La tua versione del contatto è conservata in %2.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>Il server della rubrica al momento non accetta modifiche.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>«%1» non è stato eliminato sul server della rubrica: nel frattempo è stato modificato lì.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>La tua modifica a «%1» non è stata inviata: nel frattempo il contatto è stato modificato sul server della rubrica. La tua versione è conservata in %2.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>Il server della rubrica ha rifiutato la modifica a «%1» (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>La modifica non può essere conservata su questo computer (%1: %2); non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>«%1» è stato rimosso da «%2» dopo la lettura; la tua modifica non è stata scritta.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>La rubrica «%1» non accetta modifiche: %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>La rubrica «%1» non ha risposto in tempo; «%2» è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>Impossibile scrivere «%1» in «%2»: %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>Il contatto non può essere scritto come vCard.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>La rubrica «%1» del desktop è di sola lettura; modifica questo contatto dove la rubrica è gestita (Contatti di GNOME, Evolution o il suo server).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>«%1» è stato modificato in «%2» dopo la lettura; la tua modifica non è stata scritta.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Nessuna delle rubriche del desktop lette da Quintel accetta modifiche; aggiungi i contatti in Contatti di GNOME o Evolution.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>«%1» è stato modificato in «%2» dopo la lettura; non è stato eliminato.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>Il messaggio non è stato inviato.

%1

Oggetto e testo vengono conservati.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Scegli il contatto a cui inviare il messaggio.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>Il messaggio non è stato inviato.

%1

Conservarlo nella posta in uscita? Quintel lo invia appena il server è raggiungibile.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>Il messaggio nella posta in uscita non può essere inviato.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>Alcuni messaggi nella posta in uscita non sono stati inviati.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Un messaggio a %1 era in invio quando Quintel si è fermato. Il server potrebbe averlo già ricevuto.

Inviarlo di nuovo?

No lo toglie dalla posta in uscita senza inviarlo.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>un destinatario sconosciuto</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>Il messaggio non è stato inviato di nuovo. È conservato in %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>Invio del messaggio a %1...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Invia a %1</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Scegli il contatto a cui inviare il messaggio</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Configurazione di Quintel</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>Quintel ha bisogno di una rubrica. Quasi tutti iniziano con una locale: una cartella di file vCard su questo computer, che puoi riempire importando un file .vcf esportato dal telefono o dal programma di posta.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>&amp;Rubriche trovate su questo computer (quelle spuntate vengono lette, in quest&apos;ordine, al posto della scelta sotto):</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Rubriche trovate</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>Una &amp;cartella di file vCard su questo computer</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Cartella della rubrica</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>Sc&amp;egli…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>Scegli la cartella che contiene i file .vcf</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>&amp;Importa un file .vcf…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>Copia i contatti di un file .vcf in questa cartella</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Un server Card&amp;DAV (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Indi&amp;rizzo:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome &amp;utente:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>conservata nel portachiavi</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>La rubrica del desktop (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>Le rubriche del desktop</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>Le rubriche che Quintel legge; se un nome è in più rubriche, vale la prima</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>Ricerca delle rubriche del desktop…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Directory aziendale (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>L&apos;elenco indirizzi dell&apos;azienda su un server LDAP (OpenLDAP, Active Directory, FreeIPA), letto in una copia su questo computer</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Server di directory</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://host, oppure ldap://host (la connessione viene allora protetta con StartTLS)</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>Base:</translation>
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
        <translation>DN di bind:</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN di bind</translation>
    </message>
    <message>
        <source>empty: read anonymously</source>
        <translation>vuoto: lettura anonima</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Password della directory</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Prova la connessione</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Connettiti al server scelto e indica cosa contiene; non viene salvato nulla</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Posta</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>Il send&amp;mail del sistema</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Un ser&amp;ver SMTP</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>Il tuo programma di posta (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>INVIA apre la finestra di nuovo messaggio del tuo programma di posta con il messaggio compilato; lo invii da lì, con il suo accesso, la sua firma e la sua cartella Inviata. Scegli questo quando il tuo fornitore non accetta più una password per inviare posta (Microsoft 365, o Google senza password per le app).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Messaggi salvati in una cartella (per le prove)</translation>
    </message>
    <message>
        <source>H&amp;ost:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Server SMTP</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Port &amp;number:</source>
        <translation>&amp;Numero di porta:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>porta abituale</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Si&amp;curezza:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (porta 587)</translation>
    </message>
    <message>
        <source>TLS (port 465)</source>
        <translation>TLS (porta 465)</translation>
    </message>
    <message>
        <source>None (only to this computer)</source>
        <translation>Nessuna (solo verso questo computer)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>Nome ut&amp;ente:</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>Nome utente SMTP</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;word:</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>Indirizzo del &amp;mittente:</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Indirizzo del mittente</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>Il &amp;tuo nome:</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Nome del mittente</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>Invia un messa&amp;ggio di prova a me stesso</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Conserva una copia di ogni messaggio inviato nella cartella Inviata del mio account IMAP</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Perché il tuo programma di posta mostri le e-mail rapide inviate</translation>
    </message>
    <message>
        <source>IMAP host:</source>
        <translation>Host IMAP:</translation>
    </message>
    <message>
        <source>IMAP server</source>
        <translation>Server IMAP</translation>
    </message>
    <message>
        <source>imap.example.org</source>
        <translation>imap.example.org</translation>
    </message>
    <message>
        <source>IMAP port:</source>
        <translation>Porta IMAP:</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>Porta IMAP</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>Sicurezza IMAP:</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>Sicurezza IMAP</translation>
    </message>
    <message>
        <source>TLS (port 993)</source>
        <translation>TLS (porta 993)</translation>
    </message>
    <message>
        <source>STARTTLS (port 143)</source>
        <translation>STARTTLS (porta 143)</translation>
    </message>
    <message>
        <source>IMAP user name:</source>
        <translation>Utente IMAP:</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>Utente IMAP</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>Password IMAP:</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>Prova la connessione IMAP</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Accedi al server IMAP e mostra la cartella Inviata che verrà usata</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Avvia Quintel all&apos;&amp;accesso</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>Mostra la barra con:</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>Mostra la barra con</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Usa una rubrica &amp;locale</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>Impossibile rimuovere %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Cartella della rubrica</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>Contatti KDE</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non leggibile</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contatto</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contatti</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>In uso: %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Inserisci l&apos;indirizzo del server CardDAV.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>Il server ha risposto, ma non ha alcuna rubrica per questo utente.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Connesso: trovata la rubrica «%1».</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Connesso: trovate %1 rubriche: %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Il server ha rifiutato il nome utente o la password.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Nessuna connessione: %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Inserisci la password di %1, oppure lascia vuoto il DN di bind per leggere la directory in modo anonimo.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Connesso, ma sotto %1 non sono state trovate persone né gruppi.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Connesso: trovata 1 voce.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Connesso: trovate %1 voci.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>Il server di directory non permette la lettura anonima: inserisci un DN di bind e la sua password. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Nessuna connessione: %1%2 Controlla l&apos;indirizzo e la porta, e che questo computer sia nella rete aziendale.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>Il server di directory non ha la voce %1: controlla la base.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>È il tuo programma di posta a inviare il messaggio: qui non c&apos;è niente da provare.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Inserisci il tuo indirizzo come indirizzo del mittente: il messaggio di prova va lì.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Messaggio di prova di Quintel</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Questo messaggio è stato inviato da Configurazione di Quintel per verificare il tuo account di posta.
Quintel può inviare posta. Non serve rispondere.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Un messaggio di prova è stato inviato a %1.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>Il messaggio di prova non è stato inviato: %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Connesso: le copie della posta inviata vanno nella cartella «%1».</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Posta in uscita: nessun messaggio in attesa di invio.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Posta in uscita: %1 (in %2). Quintel la invia mentre è in esecuzione.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>Il desktop non ha alcuna rubrica attiva.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Questo Quintel è stato compilato senza la rubrica del desktop (libebook).</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>In uso la rubrica del desktop (%1 contatti in %2 %3); Configurazione di Quintel permette di cambiarla.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Nessun portachiavi (Secret Service o KWallet) ha accettato la password.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>Il portachiavi non contiene alcuna password per questo account.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>Nessun portachiavi disponibile: %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>La scorciatoia di richiamo %1 non può essere usata: %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>La password %1 non è stata salvata: %2 Quintel la chiederà quando servirà.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>La cartella della rubrica deve essere un percorso completo (che inizia con /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>Il nome utente CardDAV contiene caratteri di controllo.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Inserisci il nome host del server SMTP.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>Il nome host SMTP non è valido.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>La porta SMTP deve essere tra 1 e 65535.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Una connessione senza cifratura è permessa solo verso questo computer (localhost): scegli TLS o STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>Il nome utente SMTP contiene caratteri di controllo.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Inserisci il tuo indirizzo come indirizzo del mittente.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>Il programma sendmail va indicato con il percorso completo.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>Il nome del mittente contiene caratteri di controllo.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>L&apos;indirizzo del server di directory contiene caratteri di controllo.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Inserisci la base della directory, da cui parte la ricerca (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Inserisci il nome host del server IMAP, oppure non conservare una copia in Inviata.</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>Il nome host IMAP non è valido.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>La porta IMAP deve essere tra 1 e 65535.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Una connessione IMAP senza cifratura è permessa solo verso questo computer (localhost): scegli TLS o STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Inserisci il nome utente IMAP.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Conserva i contatti in %1 e avvia Quintel</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Nessuna scorciatoia</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>Importa un file .vcf</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>File vCard (*.vcf *.vcard);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>non leggibile: %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>porta abituale (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>1 contatto importato.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>%1 contatti importati.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> %1 già nella rubrica.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> %1 non importati:
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 non contiene alcuna vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Scheda %1: impossibile scrivere %2: %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Premi i tasti che portano in primo piano la barra da qualsiasi programma; svuota il campo per nessuno. Una barra aperta usa i nuovi tasti appena sono salvati.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Mostra mentre scrivo le corrispondenze di tutti i campi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>Dimentica i contatti usati</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Dimentica su quali contatti hai agito dalla barra e quante volte (conservato in %1, usato solo per metterli per primi tra le corrispondenze)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>La cartella %1 non esiste: la barra non mostra contatti finché non esiste. Scegli una cartella esistente o crea questa.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>Non è stata indicata alcuna combinazione di tasti.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 non è un tasto modificatore (Ctrl, Alt, Maiusc o Meta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>La combinazione richiede un tasto oltre ai modificatori.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>Il tasto %1 non può essere usato per la scorciatoia.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>La combinazione richiede Ctrl, Alt o Meta: altrimenti digitare %1 ovunque richiamerebbe la barra.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>la scorciatoia non è stata accettata nella finestra del desktop</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>il portale del desktop l&apos;ha rifiutata</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>Il portale del desktop non offre scorciatoie: %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>Impossibile impostare la scorciatoia di richiamo: %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>Il desktop non ha assegnato alcuna combinazione di tasti alla scorciatoia di richiamo (forse la usa un altro programma): sceglierne una nelle impostazioni della tastiera del desktop.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>La scorciatoia %1 non può essere usata: %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Questo desktop non offre scorciatoie proprie ai programmi: associa %1 al comando «quintel» nelle impostazioni della tastiera del desktop.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>La scorciatoia %1 non può essere usata: la tastiera non ha quel tasto.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>La scorciatoia %1 è usata da un altro programma: scegline un&apos;altra in Configurazione di Quintel.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>Impossibile nascondere: questo desktop non ha un&apos;area di notifica</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>L&apos;area di notifica è sparita: la barra è tornata</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Mostra Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Configurazione di Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>Impossibile avviare Configurazione di Quintel (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Ultimi avvisi</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Esci da Quintel</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Nessun avviso</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Nessun programma di posta è impostato per aprire i link mailto:. Il messaggio non è stato passato.

Installane uno (per esempio il pacchetto %1), poi sceglilo nelle impostazioni del desktop sotto Applicazioni predefinite, oppure esegui:

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Nessun programma telefonico è impostato per aprire i link %3:. Il numero non è stato passato.

Installane uno (per esempio il pacchetto %1), poi sceglilo nelle impostazioni del desktop sotto Applicazioni predefinite, oppure esegui:

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Nessun browser web è impostato per aprire le pagine web. La mappa non è stata aperta.

Installane uno (per esempio il pacchetto %1), poi sceglilo nelle impostazioni del desktop sotto Applicazioni predefinite, oppure esegui:

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>La cartella della rubrica %1 non esiste. Scegli la tua rubrica nella Configurazione di Quintel.</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>La cartella della rubrica %1 non c&apos;è più; i suoi contatti tornano quando torna lei.</translation>
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
        <translation>Tasto: %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Quintel: a small always-on-top contact bar. Type a contact&apos;s name, then mail, call or write.</source>
        <translation>Quintel: una piccola barra dei contatti sempre in primo piano. Digita il nome di un contatto, poi invia un&apos;e-mail, chiama o scrivi.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]
</source>
        <translation>Uso: %1 [--help | --version]
</translation>
    </message>
    <message>
        <source>

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
</source>
        <translation>

Opzioni:
  -h, --help     Mostra questo aiuto ed esci.
  -v, --version  Mostra la versione ed esci.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>l&apos;opzione %1 richiede un valore</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Configurazione di Quintel: la rubrica e l&apos;account di posta della barra dei contatti Quintel, e il suo avvio all&apos;accesso.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Attendere - ricerca dei contatti...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>Impossibile creare il file di blocco %1.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>Quintel è già in esecuzione (processo %1) ma non risponde.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>Con Wayland, tenere la barra sopra le altre finestre dipende dal compositor.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Attendere - filtro dei contatti...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>Chiudere Quintel?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Scegli un contatto per copiarne l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>Questo contatto non ha un indirizzo e-mail.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiato: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contatto</numerusform>
            <numerusform>%Ln contatti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Nota:  con questa opzione, gli indirizzi e-mail di ogni contatto vengono letti a ogni nome digitato.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Troppe categorie</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>Impossibile aggiungere una categoria</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>Questa categoria non può essere eliminata</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Preferenze generali</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>Pulsanti e-mail solo se il contatto ha un indirizzo</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Categorie </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nuova categoria</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Una piccola barra dei contatti per il desktop.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Logo di Quintel</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Icona di Quintel</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Nascondi nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Scrivi una lettera</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULLA</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Chiama</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>E-mail rapida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>PULISCI</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>INVIA</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Cambia dimensione</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Mostra il contatto</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Oggetto</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>Testo del messaggio</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Contatti corrispondenti</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Nome del contatto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Nessun contatto trovato</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Contatto trovato</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Numero di contatti</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Elenca i contatti della rubrica di Quintel, come li vede la barra dei contatti.
Stato di uscita: 0 tutto letto; 1 alcune schede o file saltati (vedi stderr); 2 niente elencato.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Un oggetto JSON per elemento e riga.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Solo gli elementi che il filtro tiene, ad es. [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Una rubrica, scritta come nell&apos;impostazione Books: una cartella, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. Con --backend eds: la rubrica del desktop per nome o UID (più di una: separate da &quot;;&quot;).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>Il tipo di sorgente da leggere, come lo chiama una rubrica dell&apos;impostazione Books (vcard, thunderbird, carddav, eds). Predefinito: le rubriche configurate.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>Con --backend eds: le rubriche del desktop con il loro numero di contatti.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Attesa massima della rubrica del desktop, in secondi (predefinito 15).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Una cartella di file .vcf o una radice vdir con una cartella per raccolta (predefinito: le rubriche configurate).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Solo i contatti che le parole trovano, come li trova l&apos;elenco delle corrispondenze della barra (ogni parola inizia una parola di un nome, soprannome, organizzazione, qualifica, indirizzo e-mail, categoria, città o CAP, o è parte di un numero; accenti e maiuscole ignorati), nel suo ordine.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Modifica il contatto con questo ID di voce (come lo stampa l&apos;elenco) secondo le opzioni --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Aggiunge alla rubrica un contatto fatto delle opzioni --value.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Elimina il contatto con questo ID di voce; la sua scheda è conservata in ~/.local/share/Quintel/deleted-contacts.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, dove PROPERTY è un nome che l&apos;elenco stampa (FullName, Email1Address, MobileTelephoneNumber, HomeAddress come via;città;regione;CAP;paese, Categories come elenco separato da virgole, …); una VALUE vuota la rimuove. Ripetibile.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Elenca subito la rubrica di un server (CardDAV, LDAP) dalla sua copia, senza aggiornare la copia.</translation>
    </message>
</context>
</TS>
