<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>Naar welk adres schrijven</translation>
    </message>
</context>
<context>
    <name>CallWindow</name>
    <message>
        <source>Numbers</source>
        <translation>Nummers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>%1 bellen</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Geen telefoonnummers</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Zakelijk</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobiel</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Zakelijk 2</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Thuis 2</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Bellen</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;Sms</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>Er kon geen berichtenprogramma worden geopend voor sms:-koppelingen.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>%1 is doorgegeven aan uw telefoonprogramma.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n wijziging van contacten wacht op de adresboekserver en wordt verzonden zodra die antwoordt.</numerusform>
            <numerusform>%n wijzigingen van contacten wachten op de adresboekserver en worden verzonden zodra die antwoordt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>Het adresboek is nog niet van de server opgehaald; de contacten kunnen worden gewijzigd zodra dat is gebeurd.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>De adresboekserver is niet bereikbaar: de wijziging wordt op deze computer bewaard en verzonden zodra de server weer antwoordt.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>Er wordt al een andere wijziging geschreven; probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>De wijziging van “%1” is niet geschreven: %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>De brief aan %1 wordt geopend in de tekstverwerker...</translation>
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
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Bijnaam</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webpagina</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Verjaardag</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Verwijderen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Dit contact wijzigen (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Dit contact verwijderen</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

De kaart toont het contact nu zoals het is; uw wijzigingen blijven in de velden staan. Controleer ze en sla opnieuw op.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>Uw wijzigingen in “%1” verwerpen?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>“%1” uit het adresboek verwijderen?

Een kopie van de kaart wordt bewaard in %2.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Nieuw contact</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopiëren</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>%1 op een kaart tonen</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>&amp;Selectie kopiëren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Op een &amp;kaart tonen</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Gekopieerd: %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>Het adresboek waarin het nieuwe contact wordt opgeslagen</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>A&amp;dresboek:</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

De kaart toont het contact nu zoals het is.</translation>
    </message>
</context>
<context>
    <name>ContactEditForm</name>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Zakelijk</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobiel</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pieper</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Overig</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>Voor&amp;naam</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>&amp;Middelste naam</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>&amp;Achternaam</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>Achtervoe&amp;gsel</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>Vo&amp;lledige naam</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>Arc&amp;hiveren als</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>als de naam</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>&amp;Organisatie</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Functie</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>B&amp;ijnaam</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>E-mailadres toevoegen</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Telefoonnummer toevoegen</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Postadres</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Postadres toevoegen</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webpagina</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Webpagina toevoegen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Andere &amp;categorieën</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>gescheiden door komma&apos;s</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>Ve&amp;rjaardag</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12, of --04-12</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>Notiti&amp;e</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Preferred</source>
        <translation>Voorkeur</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Adres verwijderen</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Provincie</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Postcode</translation>
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
        <translation>Quintel wijzigt geen contacten van dit adresboek; wijzig het contact in het programma waar het adresboek bij hoort.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Geen adresboek “%1” neemt nieuwe contacten aan.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Fout %1: %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>De e-mail is %1, groter dan de %2 die naar de mailmap %3 worden geschreven.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>De e-mail is %1, groter dan de %2 die aan het mailprogramma %3 worden doorgegeven.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>De e-mail kon niet worden gelezen om te verzenden: %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>De e-mail is %1, groter dan de %2 die de mailserver %3 aanneemt.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>De e-mail is %1, groter dan de %2 die naar een mailserver zonder opgegeven limiet worden verzonden (%3).</translation>
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
        <translation>nummer</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>organisatie</translation>
    </message>
    <message>
        <source>title</source>
        <translation>functie</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>bijnaam</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categorie</translation>
    </message>
    <message>
        <source>place</source>
        <translation>plaats</translation>
    </message>
    <message>
        <source>name</source>
        <translation>naam</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Passende contacten</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Opent een nieuwe contactkaart met deze tekst (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>“%1” als nieuw contact toevoegen…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Wachtwoord voor het adresboek %1:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>Een e-mailadres heeft een “@” nodig.</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>Dit is geen e-mailadres.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>Een verjaardag is een datum zoals 1985-04-12, of --04-12 zonder het jaar.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>Een contact heeft een naam, een organisatie, een e-mailadres of een telefoonnummer nodig.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>Quintel leest het adresboek van Thunderbird, maar wijzigt het niet; wijzig dit contact in Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>Het contactbestand “%1” kon niet worden geschreven (%2); het is ongewijzigd.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>De adresboekmap “%1” kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>Het contactbestand “%1” kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>Het contact in “%1” is sinds het openen door een ander programma gewijzigd; er is niets geschreven.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>Het contactbestand “%1” is sinds het openen verwijderd; er is niets geschreven.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>Het contactbestand “%1” is geschreven in UTF-16, dat Quintel wel leest maar niet schrijft; wijzig het in een ander programma.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>Het contact heeft geen bruikbare UID voor de bestandsnaam.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>de map “%1” kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>Het contact “%1” kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Dit contact is de kopie van Quintel uit het adresboek van een server (CardDAV of LDAP); wijzig het op de server of in het programma dat het beheert.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>Het CardDAV-adresboek is gesloten.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>“%1” is op de adresboekserver gewijzigd sinds het werd gelezen; uw wijziging is niet geschreven.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>De wijziging van “%1” is niet geschreven: %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>“%1” is op de adresboekserver gewijzigd sinds het werd gelezen; het is niet verwijderd.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>De adresboekserver heeft “%1” niet verwijderd: %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 Uw versie van het contact wordt bewaard in %2.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>De adresboekserver neemt op dit moment geen wijzigingen aan.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>“%1” is niet verwijderd op de adresboekserver: het is daar intussen gewijzigd.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>Uw wijziging van “%1” is niet verzonden: het contact is intussen op de adresboekserver gewijzigd. Uw versie wordt bewaard in %2.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>De adresboekserver heeft de wijziging van “%1” geweigerd (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>De wijziging kan niet op deze computer worden bewaard (%1: %2); er is niets geschreven.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>“%1” is uit “%2” verwijderd sinds het werd gelezen; uw wijziging is niet geschreven.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>Het adresboek “%1” neemt geen wijzigingen aan: %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>Het adresboek “%1” heeft niet op tijd geantwoord; “%2” is ongewijzigd.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>“%1” kon niet naar “%2” worden geschreven: %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>Het contact kan niet als vCard worden geschreven.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>Het adresboek “%1” van het bureaublad is alleen-lezen; wijzig dit contact waar het adresboek wordt bijgehouden (GNOME Contacten, Evolution of de server ervan).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>“%1” is in “%2” gewijzigd sinds het werd gelezen; uw wijziging is niet geschreven.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Geen van de adresboeken van het bureaublad die Quintel leest neemt wijzigingen aan; voeg contacten toe in GNOME Contacten of Evolution.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>“%1” is in “%2” gewijzigd sinds het werd gelezen; het is niet verwijderd.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>De e-mail is niet verzonden.

%1

Het onderwerp en de tekst blijven bewaard.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Kies een contact om de e-mail naar te sturen.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>De e-mail is niet verzonden.

%1

In het postvak UIT bewaren? Quintel verzendt hem zodra de server bereikbaar is.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>De e-mail in het postvak UIT kan niet worden verzonden.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>E-mail in het postvak UIT is niet verzonden.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Er werd een e-mail aan %1 verzonden toen Quintel stopte. De server kan hem al hebben ontvangen.

Opnieuw verzenden?

Nee haalt hem uit het postvak UIT zonder hem te verzenden.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>een onbekende ontvanger</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>De e-mail is niet opnieuw verzonden. Hij wordt bewaard in %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>De e-mail aan %1 wordt verzonden...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Verzenden aan %1</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Kies het contact aan wie de e-mail gaat</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Quintel-instellingen</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>Quintel heeft een adresboek nodig. De meesten beginnen met een lokaal adresboek: een map met vCard-bestanden op deze computer, die u kunt vullen door een .vcf-bestand uit uw telefoon of e-mailprogramma te importeren.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>Op deze computer gevonden adres&amp;boeken (de aangevinkte worden in deze volgorde gelezen in plaats van de keuze hieronder):</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Gevonden adresboeken</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>Een &amp;map met vCard-bestanden op deze computer</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Adresboekmap</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Kiezen…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>De map kiezen met de .vcf-bestanden</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>.vcf-bestand &amp;importeren…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>De contacten van een .vcf-bestand naar deze map kopiëren</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Een Card&amp;DAV-server (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Ad&amp;res:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradres</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Gebruikersnaam:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Wachtwoord:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>bewaard in de sleutelbos</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>Het adresboek van het bureaublad (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>De adresboeken van het bureaublad</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>De boeken die Quintel leest; staat een naam in meerdere, dan wint het eerste</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>De adresboeken van het bureaublad worden gezocht…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Bedrijfsadresboek (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>De adreslijst van het bedrijf op een LDAP-server (OpenLDAP, Active Directory, FreeIPA), gelezen in een kopie op deze computer</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Directoryserver</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://host, of ldap://host (de verbinding wordt dan beveiligd met StartTLS)</translation>
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
        <translation>leeg: anoniem lezen</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Wachtwoord:</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Wachtwoord van de directory</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbinding &amp;testen</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Verbinden met de gekozen server en zeggen wat hij bevat; er wordt niets opgeslagen</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>send&amp;mail van het systeem</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Een SMTP-ser&amp;ver</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>Uw eigen e-mailprogramma (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>VERZEND opent het venster voor een nieuw bericht van uw e-mailprogramma met de e-mail ingevuld; u verzendt hem van daaruit, met de eigen aanmelding, handtekening en map Verzonden. Kies dit als uw provider geen wachtwoord meer aanneemt om e-mail te verzenden (Microsoft 365, of Google zonder app-wachtwoord).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Berichten opgeslagen in een map (om te testen)</translation>
    </message>
    <message>
        <source>H&amp;ost:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>SMTP-server</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Port &amp;number:</source>
        <translation>Poort&amp;nummer:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>gebruikelijke poort</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Be&amp;veiliging:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Beveiliging</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (poort 587)</translation>
    </message>
    <message>
        <source>TLS (port 465)</source>
        <translation>TLS (poort 465)</translation>
    </message>
    <message>
        <source>None (only to this computer)</source>
        <translation>Geen (alleen naar deze computer)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>Gebruikers&amp;naam:</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>SMTP-gebruikersnaam</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Wacht&amp;woord:</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>A&amp;fzenderadres:</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Afzenderadres</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Uw naam:</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Afzendernaam</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>Een test&amp;bericht naar mezelf sturen</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Een kopie van elke verzonden e-mail bewaren in de map Verzonden van mijn IMAP-account</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Zodat uw eigen e-mailprogramma de verzonden snelle e-mails toont</translation>
    </message>
    <message>
        <source>IMAP host:</source>
        <translation>IMAP-host:</translation>
    </message>
    <message>
        <source>IMAP server</source>
        <translation>IMAP-server</translation>
    </message>
    <message>
        <source>imap.example.org</source>
        <translation>imap.example.org</translation>
    </message>
    <message>
        <source>IMAP port:</source>
        <translation>IMAP-poort:</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>IMAP-poort</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>IMAP-beveiliging:</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>IMAP-beveiliging</translation>
    </message>
    <message>
        <source>TLS (port 993)</source>
        <translation>TLS (poort 993)</translation>
    </message>
    <message>
        <source>STARTTLS (port 143)</source>
        <translation>STARTTLS (poort 143)</translation>
    </message>
    <message>
        <source>IMAP user name:</source>
        <translation>IMAP-gebruikersnaam:</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>IMAP-gebruikersnaam</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>IMAP-wachtwoord:</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>IMAP-verbinding testen</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Aanmelden bij de IMAP-server en de map Verzonden tonen die gebruikt wordt</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Quintel starten bij het &amp;aanmelden</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>De balk oproepen met:</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>De balk oproepen met</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Een lokaal adres&amp;boek gebruiken</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>%1 kan niet worden verwijderd.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Adresboekmap</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>KDE-contacten</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>niet leesbaar</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contact</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contacten</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>In gebruik: %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Voer het adres van de CardDAV-server in.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>De server antwoordde, maar heeft geen adresboek voor deze gebruiker.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Verbonden: adresboek &quot;%1&quot; gevonden.</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Verbonden: %1 adresboeken gevonden: %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>De server weigerde de gebruikersnaam of het wachtwoord.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Geen verbinding: %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Voer het wachtwoord van %1 in, of laat de bind-DN leeg om de directory anoniem te lezen.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Verbonden, maar onder %1 zijn geen personen of groepen gevonden.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Verbonden: 1 item gevonden.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Verbonden: %1 items gevonden.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>De directoryserver staat anoniem lezen niet toe: voer een bind-DN en het wachtwoord in. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Geen verbinding: %1%2 Controleer het adres en de poort, en of deze computer op het bedrijfsnetwerk zit.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>De directoryserver heeft geen item %1: controleer de basis.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>Uw eigen e-mailprogramma verzendt de e-mail: hier valt niets te testen.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Voer uw eigen e-mailadres in als afzenderadres: daar gaat het testbericht heen.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Testbericht van Quintel</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Dit bericht is verzonden door Quintel-instellingen om uw e-mailaccount te controleren.
Quintel kan e-mail verzenden. Antwoorden is niet nodig.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Er is een testbericht verzonden naar %1.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>Het testbericht is niet verzonden: %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Verbonden: kopieën van verzonden e-mail gaan naar de map &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Postvak UIT: er wacht geen e-mail op verzending.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Postvak UIT: %1 (in %2). Quintel verzendt het terwijl het draait.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>Het bureaublad heeft geen adresboek ingeschakeld.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Deze Quintel is gebouwd zonder het adresboek van het bureaublad (libebook).</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>Het adresboek van het bureaublad wordt gebruikt (%1 contacten in %2 %3); Quintel-instellingen verandert dit.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Geen sleutelbos (Secret Service of KWallet) heeft het wachtwoord aangenomen.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>De sleutelbos bevat geen wachtwoord voor dit account.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>Geen sleutelbos beschikbaar: %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>De sneltoets %1 om de balk op te roepen kan niet worden gebruikt: %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>Het %1-wachtwoord is niet opgeslagen: %2 Quintel vraagt erom wanneer het nodig is.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>De adresboekmap moet een volledig pad zijn (beginnend met /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>De CardDAV-gebruikersnaam bevat stuurtekens.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Voer de hostnaam van de SMTP-server in.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>De SMTP-hostnaam is ongeldig.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>De SMTP-poort moet tussen 1 en 65535 liggen.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Een verbinding zonder versleuteling mag alleen naar deze computer (localhost): kies TLS of STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>De SMTP-gebruikersnaam bevat stuurtekens.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Voer uw eigen e-mailadres in als afzenderadres.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>Het programma sendmail moet met het volledige pad worden opgegeven.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>De naam van de afzender bevat stuurtekens.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>Het adres van de directoryserver bevat stuurtekens.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Voer de basis van de directory in, waar het zoeken begint (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Voer de hostnaam van de IMAP-server in, of bewaar geen kopie in Verzonden.</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>De IMAP-hostnaam is ongeldig.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>De IMAP-poort moet tussen 1 en 65535 liggen.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Een IMAP-verbinding zonder versleuteling mag alleen naar deze computer (localhost): kies TLS of STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Voer de IMAP-gebruikersnaam in.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Contacten bewaren in %1 en Quintel starten</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Geen sneltoets</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>.vcf-bestand importeren</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>vCard-bestanden (*.vcf *.vcard);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>niet leesbaar: %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>gebruikelijke poort (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>1 contact geïmporteerd.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>%1 contacten geïmporteerd.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> %1 al in het adresboek.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> %1 niet geïmporteerd:
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 bevat geen vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Kaart %1: %2 kan niet worden geschreven: %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Druk op de toetsen die de balk vanuit elk programma naar voren halen; maak het veld leeg voor geen. Een geopende balk neemt de nieuwe toetsen over zodra ze zijn opgeslagen.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Tijdens het typen overeenkomsten uit alle velden tonen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>De gebruikte contacten vergeten</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Vergeet met welke contacten u via de balk iets deed en hoe vaak (bewaard in %1, alleen gebruikt om ze bovenaan de overeenkomsten te zetten)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Balk</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>De map %1 bestaat niet: de balk toont geen contacten tot de map er is. Kies een bestaande map of maak deze aan.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>Er is geen toetscombinatie opgegeven.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 is geen wijzigingstoets (Ctrl, Alt, Shift of Meta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>De combinatie heeft naast de wijzigingstoetsen nog een toets nodig.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>De toets %1 kan niet voor de sneltoets worden gebruikt.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>De combinatie heeft Ctrl, Alt of Meta nodig: anders roept elke keer %1 typen de balk op.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>de sneltoets is niet geaccepteerd in het venster van het bureaublad</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>het bureaubladportaal heeft hem geweigerd</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>Het bureaubladportaal biedt geen sneltoets: %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>De sneltoets om de balk op te roepen kan niet worden ingesteld: %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>Het bureaublad heeft de sneltoets om de balk op te roepen geen toetscombinatie gegeven (misschien gebruikt een ander programma hem): kies er een in de toetsenbordinstellingen van het bureaublad.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>De sneltoets %1 kan niet worden gebruikt: %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Dit bureaublad biedt programma&apos;s geen eigen sneltoetsen: koppel %1 aan de opdracht &quot;quintel&quot; in de toetsenbordinstellingen van het bureaublad.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>De sneltoets %1 kan niet worden gebruikt: het toetsenbord heeft zo&apos;n toets niet.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>De sneltoets %1 is bezet door een ander programma: kies een andere in Quintel-instellingen.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>Verbergen kan niet: dit bureaublad heeft geen systeemvak</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>Het systeemvak is verdwenen: de balk is terug</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Quintel tonen</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Quintel-instellingen</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>Quintel-instellingen kon niet worden gestart (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Laatste meldingen</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Quintel afsluiten</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Geen meldingen</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Er is geen e-mailprogramma ingesteld voor mailto:-links. De e-mail is niet doorgegeven.

Installeer er een (bijvoorbeeld het pakket %1) en kies het in de instellingen van uw bureaublad onder Standaardtoepassingen, of voer uit:

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Er is geen telefoonprogramma ingesteld voor %3:-links. Het nummer is niet doorgegeven.

Installeer er een (bijvoorbeeld het pakket %1) en kies het in de instellingen van uw bureaublad onder Standaardtoepassingen, of voer uit:

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Er is geen webbrowser ingesteld voor webpagina&apos;s. De kaart is niet geopend.

Installeer er een (bijvoorbeeld het pakket %1) en kies het in de instellingen van uw bureaublad onder Standaardtoepassingen, of voer uit:

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>De adresboekmap %1 bestaat niet. Kies uw adresboek in Quintel-instellingen.</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>De adresboekmap %1 is verdwenen; de contacten komen terug zodra de map terug is.</translation>
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
        <translation>Toets: %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Quintel: a small always-on-top contact bar. Type a contact&apos;s name, then mail, call or write.</source>
        <translation>Quintel: een kleine contactenbalk die altijd bovenaan blijft. Typ de naam van een contact en mail, bel of schrijf.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]
</source>
        <translation>Gebruik: %1 [--help | --version]
</translation>
    </message>
    <message>
        <source>

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
</source>
        <translation>

Opties:
  -h, --help     Deze hulp tonen en stoppen.
  -v, --version  De versie tonen en stoppen.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>de optie %1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>onverwacht argument %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Quintel-instellingen: het adresboek en e-mailaccount van de Quintel-contactenbalk, en het starten bij het aanmelden.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Even geduld - contacten zoeken...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>Het vergrendelbestand %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>Quintel draait al (proces %1), maar reageert niet.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>Onder Wayland bepaalt de compositor of de balk boven andere vensters blijft.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Even geduld - contacten filteren...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>Quintel sluiten?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Kies een contact om het adres te kopiëren.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>Dit contact heeft geen e-mailadres.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Gekopieerd: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contact</numerusform>
            <numerusform>%Ln contacten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Let op:  met deze optie worden de e-mailadressen van elk contact gelezen telkens als er een naam wordt getypt.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Te veel categorieën</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>Kan geen nieuwe categorie toevoegen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>Deze categorie kan niet worden verwijderd</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Algemene voorkeuren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>E-mailknoppen alleen bij contact met e-mailadres</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Categorieën </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nieuwe categorie</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Een kleine contactenbalk voor het bureaublad.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Quintel-logo</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Quintel-pictogram</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Verbergen in het systeemvak</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Brief schrijven</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>STOPPEN</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Bellen</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>Snelle e-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>WISSEN</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>VERZEND</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Grootte wijzigen</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Contact bekijken</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Onderwerp</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusbalk</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>Tekst van de e-mail</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Passende contacten</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Naam van het contact</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacten</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Geen contact gevonden</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Contact gevonden</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Aantal contacten</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Toont de contacten van het adresboek van Quintel zoals de contactenbalk ze ziet.
Afsluitstatus: 0 alles gelezen; 1 enkele kaarten of bestanden overgeslagen (zie stderr); 2 niets getoond.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Eén JSON-object per item en regel.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Alleen de items die het filter doorlaat, bijv. [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Eén adresboek, geschreven zoals in de instelling Books: een map, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. Met --backend eds: het adresboek van het bureaublad op naam of UID (meerdere: gescheiden door &quot;;&quot;).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>De bron die gelezen wordt, zoals een boek van de instelling Books hem noemt (vcard, thunderbird, carddav, eds). Standaard: de ingestelde adresboeken.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>Met --backend eds: de adresboeken van het bureaublad met hun aantal contacten.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Langste wachttijd op het adresboek van het bureaublad, in seconden (standaard 15).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Een map met .vcf-bestanden of een vdir-hoofdmap met één map per verzameling (standaard: de ingestelde adresboeken).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Alleen de contacten die de woorden vinden, zoals de lijst met overeenkomsten van de balk ze vindt (elk woord begint een woord van een naam, bijnaam, organisatie, functie, e-mailadres, categorie, plaats of postcode, of is deel van een nummer; accenten en hoofdletters tellen niet), in die volgorde.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Wijzigt het contact met deze item-ID (zoals de lijst die toont) volgens de opties --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Voegt een contact uit de opties --value aan het adresboek toe.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Verwijdert het contact met deze item-ID; de kaart wordt bewaard in ~/.local/share/Quintel/deleted-contacts.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, met PROPERTY een naam die de lijst toont (FullName, Email1Address, MobileTelephoneNumber, HomeAddress als straat;plaats;regio;postcode;land, Categories als lijst met komma&apos;s, …); een lege VALUE verwijdert hem. Herhaalbaar.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Het adresboek van een server (CardDAV, LDAP) meteen uit de kopie tonen, zonder de kopie bij te werken.</translation>
    </message>
</context>
</TS>
