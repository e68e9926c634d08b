<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>An welche Adresse schreiben</translation>
    </message>
</context>
<context>
    <name>CallWindow</name>
    <message>
        <source>Numbers</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>%1 anrufen</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Keine Telefonnummern</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Geschäftlich 2</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Privat 2</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Anrufen</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;SMS</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>Für sms:-Links ließ sich kein Nachrichtenprogramm öffnen.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>%1 wurde an Ihr Telefonprogramm übergeben.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n Änderung an Kontakten wartet auf den Adressbuch-Server und wird gesendet, sobald er antwortet.</numerusform>
            <numerusform>%n Änderungen an Kontakten warten auf den Adressbuch-Server und werden gesendet, sobald er antwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>Das Adressbuch wurde noch nicht von seinem Server geholt; seine Kontakte können geändert werden, sobald das geschehen ist.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>Der Adressbuch-Server ist nicht erreichbar: Die Änderung wird auf diesem Computer aufbewahrt und gesendet, sobald der Server wieder antwortet.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>Eine andere Änderung wird gerade geschrieben; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>Die Änderung an „%1“ wurde nicht geschrieben: %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>Der Brief an %1 wird in der Textverarbeitung geöffnet...</translation>
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
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Diesen Kontakt ändern (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Diesen Kontakt löschen</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

Die Karte zeigt den Kontakt jetzt so, wie er ist; Ihre Änderungen bleiben in den Feldern erhalten. Prüfen Sie sie und speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>Ihre Änderungen an „%1“ verwerfen?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>„%1“ aus dem Adressbuch löschen?

Eine Kopie der Karte wird in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Neuer Kontakt</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>%1 auf einer Karte zeigen</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>&amp;Auswahl kopieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Auf einer &amp;Karte zeigen</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Kopiert: %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>Das Adressbuch, in dem der neue Kontakt gespeichert wird</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>A&amp;dressbuch:</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

Die Karte zeigt den Kontakt jetzt so, wie er ist.</translation>
    </message>
</context>
<context>
    <name>ContactEditForm</name>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>Prä&amp;fix</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>&amp;Vorname</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>&amp;Zweiter Vorname</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>&amp;Nachname</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>Suffi&amp;x</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>Vollständiger Na&amp;me</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>Ablegen &amp;unter</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>wie der Name</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>&amp;Organisation</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>Spitzn&amp;ame</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>E-Mail-Adresse hinzufügen</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Telefonnummer hinzufügen</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Postanschrift</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Postanschrift hinzufügen</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Webseite hinzufügen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Weitere &amp;Kategorien</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>durch Kommas getrennt</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>&amp;Geburtstag</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12 oder --04-12</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>No&amp;tiz</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Preferred</source>
        <translation>Bevorzugt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Adresse entfernen</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
</context>
<context>
    <name>ContactItem</name>
    <message>
        <source>Quintel does not change contacts of this address book; change it in the program it belongs to.</source>
        <translation>Quintel ändert keine Kontakte dieses Adressbuchs; ändern Sie den Kontakt in dem Programm, zu dem das Adressbuch gehört.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Kein Adressbuch „%1“ nimmt neue Kontakte auf.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>Die E-Mail ist %1 groß, größer als die %2, die in den Mailordner %3 geschrieben werden.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>Die E-Mail ist %1 groß, größer als die %2, die an das Mailprogramm %3 übergeben werden.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>Die E-Mail konnte zum Senden nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>Die E-Mail ist %1 groß, größer als die %2, die der Mailserver %3 annimmt.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>Die E-Mail ist %1 groß, größer als die %2, die an einen Mailserver ohne angegebene Grenze gesendet werden (%3).</translation>
    </message>
</context>
<context>
    <name>MatchList</name>
    <message>
        <source>e-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Passende Kontakte</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Öffnet eine neue Kontaktkarte mit diesem Text (Strg+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>„%1“ als neuen Kontakt hinzufügen…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Passwort für das Adressbuch %1:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>Eine E-Mail-Adresse braucht ein „@“.</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>Dies ist keine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>Ein Geburtstag ist ein Datum wie 1985-04-12 oder --04-12 ohne Jahr.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>Ein Kontakt braucht einen Namen, eine Organisation, eine E-Mail-Adresse oder eine Telefonnummer.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>Quintel liest das Adressbuch von Thunderbird, ändert es aber nicht; ändern Sie diesen Kontakt in Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>Die Kontaktdatei „%1“ konnte nicht geschrieben werden (%2); sie ist unverändert.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>Der Adressbuch-Ordner „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>Die Kontaktdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>Der Kontakt in „%1“ wurde seit dem Öffnen von einem anderen Programm geändert; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>Die Kontaktdatei „%1“ wurde seit dem Öffnen entfernt; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>Die Kontaktdatei „%1“ ist in UTF-16 geschrieben, das Quintel liest, aber nicht schreibt; ändern Sie sie in einem anderen Programm.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>Der Kontakt hat keine brauchbare UID für seinen Dateinamen.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>Der Kontakt „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Dieser Kontakt ist Quintels Kopie aus dem Adressbuch eines Servers (CardDAV oder LDAP); ändern Sie ihn auf dem Server oder in dem Programm, das ihn verwaltet.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>Das CardDAV-Adressbuch ist geschlossen.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>„%1“ wurde seit dem Lesen auf dem Adressbuch-Server geändert; Ihre Änderung wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>Die Änderung an „%1“ wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>„%1“ wurde seit dem Lesen auf dem Adressbuch-Server geändert; der Kontakt wurde nicht gelöscht.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>Der Adressbuch-Server hat „%1“ nicht gelöscht: %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 Ihre Fassung des Kontakts wird in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>Der Adressbuch-Server nimmt im Moment keine Änderungen an.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>„%1“ wurde auf dem Adressbuch-Server nicht gelöscht: Der Kontakt wurde dort inzwischen geändert.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>Ihre Änderung an „%1“ wurde nicht gesendet: Der Kontakt wurde inzwischen auf dem Adressbuch-Server geändert. Ihre Fassung wird in %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>Der Adressbuch-Server hat die Änderung an „%1“ abgelehnt (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>Die Änderung kann auf diesem Computer nicht aufbewahrt werden (%1: %2); es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>„%1“ wurde seit dem Lesen aus „%2“ entfernt; Ihre Änderung wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>Das Adressbuch „%1“ nimmt keine Änderungen an: %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>Das Adressbuch „%1“ hat nicht rechtzeitig geantwortet; „%2“ ist unverändert.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>„%1“ konnte nicht in „%2“ geschrieben werden: %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>Der Kontakt kann nicht als vCard geschrieben werden.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>Das Adressbuch „%1“ des Desktops ist schreibgeschützt; ändern Sie diesen Kontakt dort, wo das Adressbuch geführt wird (GNOME Kontakte, Evolution oder sein Server).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>„%1“ wurde seit dem Lesen in „%2“ geändert; Ihre Änderung wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Keines der Adressbücher des Desktops, die Quintel liest, nimmt Änderungen an; fügen Sie Kontakte in GNOME Kontakte oder Evolution hinzu.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>„%1“ wurde seit dem Lesen in „%2“ geändert; der Kontakt wurde nicht gelöscht.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>Die E-Mail wurde nicht gesendet.

%1

Betreff und Text bleiben erhalten.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Wählen Sie einen Kontakt, an den die E-Mail gehen soll.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>Die E-Mail wurde nicht gesendet.

%1

Im Postausgang behalten? Quintel sendet sie, sobald der Server erreichbar ist.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>Die E-Mail im Postausgang kann nicht gesendet werden.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>E-Mails im Postausgang wurden nicht gesendet.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Eine E-Mail an %1 wurde gerade gesendet, als Quintel beendet wurde. Der Server hat sie vielleicht schon erhalten.

Erneut senden?

Nein nimmt sie aus dem Postausgang, ohne sie zu senden.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>einen unbekannten Empfänger</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>Die E-Mail wurde nicht erneut gesendet. Sie liegt in %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>Die E-Mail an %1 wird gesendet...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>An %1 senden</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Wählen Sie den Kontakt, an den die E-Mail geht</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Quintel-Einrichtung</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>Quintel braucht ein Adressbuch. Die meisten beginnen mit einem lokalen: einem Ordner mit vCard-Dateien auf diesem Computer, den Sie mit einer .vcf-Datei aus Ihrem Telefon oder E-Mail-Programm füllen können.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adressbuch</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>Auf diesem Computer gefundene Adress&amp;bücher (die angehakten werden in dieser Reihenfolge statt der Auswahl unten gelesen):</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Gefundene Adressbücher</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>Ein &amp;Ordner mit vCard-Dateien auf diesem Computer</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Adressbuch-Ordner</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Wählen…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>Den Ordner wählen, der die .vcf-Dateien enthält</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>.vcf-Datei &amp;importieren…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>Die Kontakte einer .vcf-Datei in diesen Ordner kopieren</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Ein Card&amp;DAV-Server (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Ad&amp;resse:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>im Schlüsselbund aufbewahrt</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>Das Adressbuch des Desktops (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>Die Adressbücher des Desktops</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>Die Bücher, die Quintel liest; steht ein Name in mehreren, gilt das erste</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>Die Adressbücher des Desktops werden gesucht…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Firmenverzeichnis (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>Die Adressliste der Firma auf einem LDAP-Server (OpenLDAP, Active Directory, FreeIPA), in eine Kopie auf diesem Computer gelesen</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Verzeichnisserver</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://host oder ldap://host (die Verbindung wird dann mit StartTLS gesichert)</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>Basis:</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Bind DN:</source>
        <translation>Bind-DN:</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>Bind-DN</translation>
    </message>
    <message>
        <source>empty: read anonymously</source>
        <translation>leer: anonym lesen</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Passwort des Verzeichnisses</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Mit dem gewählten Server verbinden und sagen, was er enthält; nichts wird gespeichert</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>send&amp;mail des Systems</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Ein SMTP-Ser&amp;ver</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>Ihr eigenes E-Mail-Programm (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>SENDEN öffnet das Fenster für eine neue Nachricht Ihres E-Mail-Programms mit ausgefüllter E-Mail; Sie senden sie von dort, mit dessen Anmeldung, Signatur und Gesendet-Ordner. Wählen Sie dies, wenn Ihr Anbieter kein Passwort zum Senden mehr annimmt (Microsoft 365 oder Google ohne App-Passwort).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Nachrichten in einem Ordner gespeichert (zum Testen)</translation>
    </message>
    <message>
        <source>H&amp;ost:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Port &amp;number:</source>
        <translation>Port&amp;nummer:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>üblicher Port</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Si&amp;cherheit:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (Port 587)</translation>
    </message>
    <message>
        <source>TLS (port 465)</source>
        <translation>TLS (Port 465)</translation>
    </message>
    <message>
        <source>None (only to this computer)</source>
        <translation>Keine (nur zu diesem Computer)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>Ben&amp;utzername:</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>SMTP-Benutzername</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>A&amp;bsenderadresse:</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Ihr Name:</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Absendername</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>Eine Test&amp;nachricht an mich senden</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Eine Kopie jeder gesendeten E-Mail im Gesendet-Ordner meines IMAP-Kontos behalten</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Damit Ihr eigenes E-Mail-Programm die gesendeten schnellen E-Mails zeigt</translation>
    </message>
    <message>
        <source>IMAP host:</source>
        <translation>IMAP-Host:</translation>
    </message>
    <message>
        <source>IMAP server</source>
        <translation>IMAP-Server</translation>
    </message>
    <message>
        <source>imap.example.org</source>
        <translation>imap.example.org</translation>
    </message>
    <message>
        <source>IMAP port:</source>
        <translation>IMAP-Port:</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>IMAP-Port</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>IMAP-Sicherheit:</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>IMAP-Sicherheit</translation>
    </message>
    <message>
        <source>TLS (port 993)</source>
        <translation>TLS (Port 993)</translation>
    </message>
    <message>
        <source>STARTTLS (port 143)</source>
        <translation>STARTTLS (Port 143)</translation>
    </message>
    <message>
        <source>IMAP user name:</source>
        <translation>IMAP-Benutzername:</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>IMAP-Benutzername</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>IMAP-Passwort:</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>IMAP-Verbindung testen</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Am IMAP-Server anmelden und den Gesendet-Ordner zeigen, der benutzt wird</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Quintel bei der &amp;Anmeldung starten</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>Leiste hervorholen mit:</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>Leiste hervorholen mit</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Ein lokales Adress&amp;buch verwenden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>%1 kann nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Adressbuch-Ordner</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>KDE-Kontakte</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 Kontakt</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 Kontakte</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>Verwendet: %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Geben Sie die Adresse des CardDAV-Servers ein.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>Der Server hat geantwortet, hat aber kein Adressbuch für diesen Benutzer.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Verbunden: Adressbuch „%1“ gefunden.</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Verbunden: %1 Adressbücher gefunden: %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Der Server hat Benutzername oder Passwort abgelehnt.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Keine Verbindung: %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Geben Sie das Passwort von %1 ein, oder lassen Sie den Bind-DN leer, um das Verzeichnis anonym zu lesen.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Verbunden, aber unterhalb von %1 wurden keine Personen oder Gruppen gefunden.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Verbunden: 1 Eintrag gefunden.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Verbunden: %1 Einträge gefunden.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>Der Verzeichnisserver lässt niemanden anonym lesen: geben Sie einen Bind-DN und sein Passwort ein. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Keine Verbindung: %1%2 Prüfen Sie Adresse und Port, und ob dieser Computer im Firmennetz ist.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>Der Verzeichnisserver hat keinen Eintrag %1: prüfen Sie die Basis.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>Ihr eigenes E-Mail-Programm sendet die E-Mail: hier gibt es nichts zu testen.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Geben Sie Ihre eigene E-Mail-Adresse als Absenderadresse ein: dorthin geht die Testnachricht.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Quintel-Testnachricht</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Diese Nachricht wurde von der Quintel-Einrichtung gesendet, um Ihr E-Mail-Konto zu prüfen.
Quintel kann E-Mails senden. Eine Antwort ist nicht nötig.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Eine Testnachricht wurde an %1 gesendet.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>Die Testnachricht wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Verbunden: Kopien gesendeter E-Mails kommen in den Ordner „%1“.</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Postausgang: keine E-Mail wartet auf den Versand.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Postausgang: %1 (in %2). Quintel sendet sie, während es läuft.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>Auf dem Desktop ist kein Adressbuch eingeschaltet.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Dieses Quintel wurde ohne das Adressbuch des Desktops (libebook) gebaut.</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>Das Adressbuch des Desktops wird verwendet (%1 Kontakte in %2 %3); die Quintel-Einrichtung ändert das.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Kein Schlüsselbund (Secret Service oder KWallet) hat das Passwort angenommen.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>Der Schlüsselbund enthält kein Passwort für dieses Konto.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>Kein Schlüsselbund verfügbar: %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>Das Tastenkürzel zum Hervorholen %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>Das %1-Passwort wurde nicht gespeichert: %2 Quintel fragt danach, wenn es gebraucht wird.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>Der Adressbuch-Ordner muss ein vollständiger Pfad sein (beginnend mit /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>Der CardDAV-Benutzername enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Geben Sie den Hostnamen des SMTP-Servers ein.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>Der SMTP-Hostname ist ungültig.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>Der SMTP-Port muss zwischen 1 und 65535 liegen.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Eine Verbindung ohne Verschlüsselung ist nur zu diesem Computer (localhost) erlaubt: wählen Sie TLS oder STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>Der SMTP-Benutzername enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Geben Sie Ihre eigene E-Mail-Adresse als Absenderadresse ein.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>Das sendmail-Programm muss mit vollständigem Pfad angegeben werden.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>Der Name des Absenders enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>Die Adresse des Verzeichnisservers enthält Steuerzeichen.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Geben Sie die Basis des Verzeichnisses ein, wo die Suche beginnt (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Geben Sie den Hostnamen des IMAP-Servers ein, oder behalten Sie keine Kopie in Gesendet.</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>Der IMAP-Hostname ist ungültig.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>Der IMAP-Port muss zwischen 1 und 65535 liegen.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Eine IMAP-Verbindung ohne Verschlüsselung ist nur zu diesem Computer (localhost) erlaubt: wählen Sie TLS oder STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Geben Sie den IMAP-Benutzernamen ein.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Kontakte in %1 aufbewahren und Quintel starten</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Kein Tastenkürzel</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>.vcf-Datei importieren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>vCard-Dateien (*.vcf *.vcard);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>üblicher Port (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>1 Kontakt importiert.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>%1 Kontakte importiert.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> %1 bereits im Adressbuch.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> %1 nicht importiert:
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 enthält keine vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Karte %1: %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Drücken Sie die Tasten, die die Leiste aus jedem Programm hervorholen; leeren Sie das Feld für keine. Eine laufende Leiste übernimmt die neuen Tasten, sobald sie gespeichert sind.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Beim Tippen Treffer aus allen Feldern zeigen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>Die verwendeten Kontakte vergessen</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Vergisst, mit welchen Kontakten Sie über die Leiste gearbeitet haben und wie oft (gespeichert in %1, nur verwendet, um sie unter den Treffern zuerst zu zeigen)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Leiste</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>Der Ordner %1 existiert nicht: Die Leiste zeigt keine Kontakte, bis es ihn gibt. Wählen Sie einen vorhandenen Ordner oder legen Sie diesen an.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>Es wurde keine Tastenkombination angegeben.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 ist keine Umschalttaste (Strg, Alt, Umschalt oder Meta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>Die Kombination braucht neben den Umschalttasten eine weitere Taste.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>Die Taste %1 kann nicht für das Tastenkürzel verwendet werden.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>Die Kombination braucht Strg, Alt oder Meta: sonst würde jedes Tippen von %1 die Leiste hervorholen.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>das Tastenkürzel wurde im Dialog des Desktops nicht angenommen</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>das Desktop-Portal hat es abgelehnt</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>Das Desktop-Portal bietet kein Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>Das Tastenkürzel zum Hervorholen kann nicht gesetzt werden: %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>Der Desktop hat dem Tastenkürzel zum Hervorholen keine Tastenkombination gegeben (vielleicht belegt sie ein anderes Programm): wählen Sie eine in den Tastatureinstellungen des Desktops.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>Das Tastenkürzel %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Dieser Desktop bietet Programmen keine eigenen Tastenkürzel: legen Sie %1 in den Tastatureinstellungen des Desktops auf den Befehl „quintel“.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>Das Tastenkürzel %1 kann nicht verwendet werden: die Tastatur hat keine solche Taste.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>Das Tastenkürzel %1 ist von einem anderen Programm belegt: wählen Sie in der Quintel-Einrichtung ein anderes.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>Ausblenden nicht möglich: dieser Desktop hat keinen Infobereich</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>Der Infobereich ist verschwunden: die Leiste ist zurück</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Quintel anzeigen</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Quintel-Einrichtung</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>Quintel-Einrichtung konnte nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Letzte Hinweise</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Quintel beenden</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Keine Hinweise</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Für mailto:-Links ist kein E-Mail-Programm eingestellt. Die E-Mail wurde nicht übergeben.

Installieren Sie eines (zum Beispiel das Paket %1) und wählen Sie es in den Einstellungen Ihres Desktops unter Standardanwendungen, oder führen Sie aus:

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Für %3:-Links ist kein Telefonprogramm eingestellt. Die Nummer wurde nicht übergeben.

Installieren Sie eines (zum Beispiel das Paket %1) und wählen Sie es in den Einstellungen Ihres Desktops unter Standardanwendungen, oder führen Sie aus:

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Für Webseiten ist kein Webbrowser eingestellt. Die Karte wurde nicht geöffnet.

Installieren Sie einen (zum Beispiel das Paket %1) und wählen Sie ihn in den Einstellungen Ihres Desktops unter Standardanwendungen, oder führen Sie aus:

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>Der Adressbuch-Ordner %1 existiert nicht. Wählen Sie Ihr Adressbuch in der Quintel-Einrichtung.</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>Der Adressbuch-Ordner %1 ist verschwunden; seine Kontakte erscheinen wieder, sobald er zurück ist.</translation>
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
        <translation>Taste: %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Quintel: a small always-on-top contact bar. Type a contact&apos;s name, then mail, call or write.</source>
        <translation>Quintel: eine kleine Kontaktleiste, immer im Vordergrund. Namen eines Kontakts eingeben, dann mailen, anrufen oder schreiben.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]
</source>
        <translation>Aufruf: %1 [--help | --version]
</translation>
    </message>
    <message>
        <source>

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
</source>
        <translation>

Optionen:
  -h, --help     Diese Hilfe zeigen und beenden.
  -v, --version  Die Version zeigen und beenden.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Quintel-Einrichtung: Adressbuch und E-Mail-Konto der Quintel-Kontaktleiste und ihr Start bei der Anmeldung.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Bitte warten - Kontakte werden gesucht...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>Quintel läuft bereits (Prozess %1), antwortet aber nicht.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>Unter Wayland entscheidet der Compositor, ob die Leiste über anderen Fenstern bleibt.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Bitte warten - Kontakte werden gefiltert...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>Quintel schließen?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Wählen Sie einen Kontakt, um seine Adresse zu kopieren.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>Dieser Kontakt hat keine E-Mail-Adresse.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Kopiert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln Kontakt</numerusform>
            <numerusform>%Ln Kontakte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Hinweis:  Ist diese Option an, werden bei jeder Namenseingabe die E-Mail-Adressen des Kontakts gelesen.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Zu viele Kategorien</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>Neue Kategorie kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>Diese Kategorie kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>E-Mail-Knöpfe nur bei Kontakten mit E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Kategorien </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Eine kleine Kontaktleiste für den Desktop.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Quintel-Logo</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Quintel-Symbol</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>In den Infobereich</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Brief schreiben</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ABBRUCH</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Anrufen</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>Schnelle E-Mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LEEREN</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>SENDEN</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Kontakt anzeigen</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Betreff</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>E-Mail-Text</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Passende Kontakte</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Kontaktname</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Kein Kontakt gefunden</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Kontakt gefunden</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Anzahl der Kontakte</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Listet die Kontakte aus Quintels Adressbuch so auf, wie die Kontaktleiste sie sieht.
Rückgabewert: 0 alles gelesen; 1 einige Karten oder Dateien übersprungen (siehe stderr); 2 nichts aufgelistet.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Ein JSON-Objekt pro Eintrag und Zeile.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Nur die Einträge, die der Filter behält, z. B. [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Ein Adressbuch, geschrieben wie in der Einstellung Books: ein Ordner, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. Mit --backend eds: das Adressbuch des Desktops nach Name oder UID (mehrere: durch &quot;;&quot; getrennt).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>Das zu lesende Backend, wie ein Buch der Einstellung Books es nennt (vcard, thunderbird, carddav, eds). Vorgabe: die eingestellten Adressbücher.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>Mit --backend eds: die Adressbücher des Desktops mit ihrer Anzahl an Kontakten.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Längste Wartezeit auf das Adressbuch des Desktops, in Sekunden (Vorgabe 15).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Ein Ordner mit .vcf-Dateien oder eine vdir-Wurzel mit einem Ordner je Sammlung (Vorgabe: die eingestellten Adressbücher).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Nur die Kontakte, die die Wörter finden, wie die Trefferliste der Leiste sie findet (jedes Wort beginnt ein Wort eines Namens, Spitznamens, einer Organisation, eines Titels, einer E-Mail-Adresse, Kategorie, eines Orts oder einer Postleitzahl oder ist Teil einer Nummer; Akzente und Groß-/Kleinschreibung zählen nicht), in deren Reihenfolge.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Ändert den Kontakt mit dieser Eintrags-ID (wie die Liste sie ausgibt) nach den Optionen --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Fügt dem Adressbuch einen Kontakt aus den Optionen --value hinzu.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Löscht den Kontakt mit dieser Eintrags-ID; seine Karte wird in ~/.local/share/Quintel/deleted-contacts aufbewahrt.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, PROPERTY ein Name, den die Liste ausgibt (FullName, Email1Address, MobileTelephoneNumber, HomeAddress als Straße;Ort;Region;Postleitzahl;Land, Categories als Liste mit Kommas, …); ein leerer VALUE entfernt sie. Wiederholbar.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Das Adressbuch eines Servers (CardDAV, LDAP) sofort aus seiner Kopie auflisten, ohne die Kopie zu aktualisieren.</translation>
    </message>
</context>
</TS>
