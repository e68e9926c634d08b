<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>Na który adres napisać</translation>
    </message>
</context>
<context>
    <name>CallWindow</name>
    <message>
        <source>Numbers</source>
        <translation>Numery</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Zadzwoń do: %1</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Brak numerów telefonu</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Służbowy</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Komórkowy</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Służbowy 2</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domowy</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Domowy 2</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Zadzwoń</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;SMS</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>Nie udało się otworzyć programu do wiadomości dla odnośników sms:.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>Numer %1 przekazano do programu telefonicznego.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n zmiana kontaktów czeka na serwer książki adresowej i zostanie wysłana, gdy odpowie.</numerusform>
            <numerusform>%n zmiany kontaktów czekają na serwer książki adresowej i zostaną wysłane, gdy odpowie.</numerusform>
            <numerusform>%n zmian kontaktów czeka na serwer książki adresowej i zostaną wysłane, gdy odpowie.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>Książka adresowa nie została jeszcze pobrana z serwera; jej kontakty będzie można zmieniać, gdy to nastąpi.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>Serwer książki adresowej jest nieosiągalny: zmiana jest przechowywana na tym komputerze i zostanie wysłana, gdy serwer znów odpowie.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>Trwa zapisywanie innej zmiany; spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>Zmiana kontaktu „%1” nie została zapisana: %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>Otwieranie listu do: %1 w edytorze tekstu...</translation>
    </message>
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>Photo</source>
        <translation>Zdjęcie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Pseudonim</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Urodziny</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edytuj</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Usuń…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Zmień ten kontakt (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Usuń ten kontakt</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

Wizytówka pokazuje teraz kontakt w obecnej postaci; Twoje zmiany zostały zachowane w polach. Sprawdź je i zapisz ponownie.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>Odrzucić zmiany w „%1”?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>Usunąć „%1” z książki adresowej?

Kopia wizytówki zostanie zachowana w %2.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Nowy kontakt</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopiuj: %1</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>Pokaż na mapie: %1</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>Kopiuj &amp;zaznaczenie</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Pokaż na &amp;mapie</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Skopiowano: %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Książka adresowa</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>Książka adresowa, w której zostanie zapisany nowy kontakt</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>Książka a&amp;dresowa:</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

Wizytówka pokazuje teraz kontakt w obecnej postaci.</translation>
    </message>
</context>
<context>
    <name>ContactEditForm</name>
    <message>
        <source>Home</source>
        <translation>Domowy</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Służbowy</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Komórkowy</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Faks</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>&amp;Tytuł</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>&amp;Imię</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>&amp;Drugie imię</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>&amp;Nazwisko</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>&amp;Sufiks</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>&amp;Pełna nazwa</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>Sortuj j&amp;ako</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>jak nazwa</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>&amp;Organizacja</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Stano&amp;wisko</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>Pseudoni&amp;m</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>Dodaj adres e-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Dodaj numer telefonu</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Adres pocztowy</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Dodaj adres pocztowy</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Dodaj stronę WWW</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Inne kate&amp;gorie</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>rozdzielone przecinkami</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>U&amp;rodziny</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12 lub --04-12</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notatka</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>Notat&amp;ka</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Preferred</source>
        <translation>Preferowany</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Usuń: %1</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Usuń adres</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Ulica</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Miasto</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Kod pocztowy</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Kraj</translation>
    </message>
</context>
<context>
    <name>ContactItem</name>
    <message>
        <source>Quintel does not change contacts of this address book; change it in the program it belongs to.</source>
        <translation>Quintel nie zmienia kontaktów tej książki adresowej; zmień kontakt w programie, do którego należy ta książka.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Żadna książka adresowa „%1” nie przyjmuje nowych kontaktów.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Błąd %1: %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>Wiadomość ma %1, więcej niż %2 zapisywane w folderze poczty %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>Wiadomość ma %1, więcej niż %2 przekazywane programowi pocztowemu %3.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>Nie udało się odczytać wiadomości do wysłania: %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>Wiadomość ma %1, więcej niż %2, które przyjmuje serwer poczty %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>Wiadomość ma %1, więcej niż %2 wysyłane do serwera poczty, który nie podaje limitu (%3).</translation>
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
        <translation>numer</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>organizacja</translation>
    </message>
    <message>
        <source>title</source>
        <translation>stanowisko</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>pseudonim</translation>
    </message>
    <message>
        <source>category</source>
        <translation>kategoria</translation>
    </message>
    <message>
        <source>place</source>
        <translation>miejscowość</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Pasujące kontakty</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Otwiera nową wizytówkę kontaktu z tym tekstem (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>Dodaj „%1” jako nowy kontakt…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Hasło do książki adresowej %1:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>Adres e-mail musi zawierać „@”.</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>To nie jest adres e-mail.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>Urodziny to data, np. 1985-04-12 lub --04-12 bez roku.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>Kontakt musi mieć nazwę, organizację, adres e-mail lub numer telefonu.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>Quintel czyta książkę adresową programu Thunderbird, ale jej nie zmienia; zmień ten kontakt w programie Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>Nie udało się zapisać pliku kontaktu „%1” (%2); pozostał bez zmian.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>Nie można otworzyć folderu książki adresowej „%1”: %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>Nie można odczytać pliku kontaktu „%1”: %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>Kontakt w „%1” został zmieniony przez inny program od czasu otwarcia; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>Plik kontaktu „%1” został usunięty od czasu otwarcia; niczego nie zapisano.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>Plik kontaktu „%1” jest zapisany w UTF-16, które Quintel czyta, ale nie zapisuje; zmień go w innym programie.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>Kontakt nie ma UID, którego można użyć jako nazwy pliku.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>nie można utworzyć folderu „%1”</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>Nie można odczytać kontaktu „%1”: %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Ten kontakt jest kopią Quintel z książki adresowej serwera (CardDAV lub LDAP); zmień go na serwerze lub w programie, który nim zarządza.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>Książka adresowa CardDAV jest zamknięta.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>Kontakt „%1” został zmieniony na serwerze książki adresowej od czasu odczytu; twoja zmiana nie została zapisana.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>Zmiana kontaktu „%1” nie została zapisana: %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>Kontakt „%1” został zmieniony na serwerze książki adresowej od czasu odczytu; nie został usunięty.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>Serwer książki adresowej nie usunął kontaktu „%1”: %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 Twoja wersja kontaktu jest przechowywana w %2.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>Serwer książki adresowej nie przyjmuje teraz zmian.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>Kontakt „%1” nie został usunięty na serwerze książki adresowej: w międzyczasie został tam zmieniony.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>Twoja zmiana kontaktu „%1” nie została wysłana: w międzyczasie kontakt został zmieniony na serwerze książki adresowej. Twoja wersja jest przechowywana w %2.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>Serwer książki adresowej odrzucił zmianę kontaktu „%1” (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>Nie można zachować zmiany na tym komputerze (%1: %2); nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>Kontakt „%1” został usunięty z „%2” od czasu odczytu; twoja zmiana nie została zapisana.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>Książka adresowa „%1” nie przyjmuje zmian: %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>Książka adresowa „%1” nie odpowiedziała na czas; kontakt „%2” pozostał bez zmian.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>Nie można zapisać kontaktu „%1” w „%2”: %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>Nie można zapisać kontaktu jako vCard.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>Książka adresowa „%1” pulpitu jest tylko do odczytu; zmień ten kontakt tam, gdzie książka jest prowadzona (Kontakty GNOME, Evolution lub jej serwer).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>Kontakt „%1” został zmieniony w „%2” od czasu odczytu; twoja zmiana nie została zapisana.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Żadna z książek adresowych pulpitu czytanych przez Quintel nie przyjmuje zmian; dodawaj kontakty w Kontaktach GNOME lub Evolution.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>Kontakt „%1” został zmieniony w „%2” od czasu odczytu; nie został usunięty.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>Wiadomość nie została wysłana.

%1

Temat i treść zostały zachowane.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Wybierz kontakt, do którego wysłać wiadomość.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>Wiadomość nie została wysłana.

%1

Zachować ją w skrzynce nadawczej? Quintel wyśle ją, gdy tylko serwer będzie osiągalny.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>Nie można wysłać wiadomości ze skrzynki nadawczej.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>Nie wysłano wiadomości ze skrzynki nadawczej.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Wiadomość do %1 była wysyłana, gdy Quintel się zatrzymał. Serwer mógł ją już otrzymać.

Wysłać ją ponownie?

Nie usuwa ją ze skrzynki nadawczej bez wysyłania.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>nieznanego odbiorcy</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>Wiadomość nie została wysłana ponownie. Zachowano ją w %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>Wysyłanie wiadomości do: %1...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Wyślij do: %1</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Wybierz kontakt, do którego wysłać wiadomość</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Konfiguracja Quintel</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>Quintel potrzebuje książki adresowej. Większość zaczyna od lokalnej: folderu plików vCard na tym komputerze, który można wypełnić, importując plik .vcf wyeksportowany z telefonu lub programu pocztowego.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Książka adresowa</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>&amp;Książki adresowe znalezione na tym komputerze (zaznaczone są czytane w tej kolejności zamiast wyboru poniżej):</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Znalezione książki adresowe</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>&amp;Folder plików vCard na tym komputerze</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Folder książki adresowej</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Wybierz…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>Wybierz folder z plikami .vcf</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>&amp;Importuj plik .vcf…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>Skopiuj kontakty z pliku .vcf do tego folderu</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Serwer Card&amp;DAV (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Ad&amp;res:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Hasło:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>przechowywane w pęku kluczy</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>Książka adresowa pulpitu (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>Książki adresowe pulpitu</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>Książki, które czyta Quintel; gdy nazwa jest w kilku, wygrywa pierwsza</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>Wyszukiwanie książek adresowych pulpitu…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Katalog firmowy (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>Lista adresów firmy na serwerze LDAP (OpenLDAP, Active Directory, FreeIPA), wczytana do kopii na tym komputerze</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serwer:</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Serwer katalogowy</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://host lub ldap://host (połączenie jest wtedy zabezpieczone przez StartTLS)</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>Baza:</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Baza</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Bind DN:</source>
        <translation>DN powiązania:</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN powiązania</translation>
    </message>
    <message>
        <source>empty: read anonymously</source>
        <translation>puste: odczyt anonimowy</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Hasło katalogu</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Testuj połączenie</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Połącz się z wybranym serwerem i pokaż, co zawiera; nic nie jest zapisywane</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Poczta</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>Systemowy send&amp;mail</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Ser&amp;wer SMTP</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>Własny program pocztowy (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>WYŚLIJ otwiera okno nowej wiadomości programu pocztowego z wypełnioną wiadomością; wysyłasz ją stamtąd, z jego logowaniem, podpisem i folderem Wysłane. Wybierz to, gdy dostawca nie przyjmuje już hasła do wysyłania poczty (Microsoft 365 lub Google bez hasła aplikacji).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Wiadomości zapisywane w folderze (do testów)</translation>
    </message>
    <message>
        <source>H&amp;ost:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Serwer SMTP</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Port &amp;number:</source>
        <translation>&amp;Numer portu:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>zwykły port</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Bez&amp;pieczeństwo:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Bezpieczeństwo</translation>
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
        <translation>Brak (tylko do tego komputera)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>Nazwa &amp;użytkownika:</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>Nazwa użytkownika SMTP</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Has&amp;ło:</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>Adres &amp;nadawcy:</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Adres nadawcy</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Twoje imię:</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Nazwa nadawcy</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>Wyślij do siebie wiadomość &amp;testową</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Zachowuj kopię każdej wysłanej wiadomości w folderze Wysłane mojego konta IMAP</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Aby własny program pocztowy pokazywał wysłane szybkie e-maile</translation>
    </message>
    <message>
        <source>IMAP host:</source>
        <translation>Host IMAP:</translation>
    </message>
    <message>
        <source>IMAP server</source>
        <translation>Serwer IMAP</translation>
    </message>
    <message>
        <source>imap.example.org</source>
        <translation>imap.example.org</translation>
    </message>
    <message>
        <source>IMAP port:</source>
        <translation>Port IMAP:</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>Port IMAP</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>Bezpieczeństwo IMAP:</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>Bezpieczeństwo IMAP</translation>
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
        <translation>Użytkownik IMAP:</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>Użytkownik IMAP</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>Hasło IMAP:</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>Testuj połączenie IMAP</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Zaloguj się na serwer IMAP i pokaż folder Wysłane, który będzie używany</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Uruchamiaj Quintel po &amp;zalogowaniu</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>Pokaż pasek skrótem:</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>Pokaż pasek skrótem</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Użyj &amp;lokalnej książki adresowej</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>Nie można usunąć %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Folder książki adresowej</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>Kontakty KDE</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nie można odczytać</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 kontakt</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>kontakty: %1</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>Używana: %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Wpisz adres serwera CardDAV.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>Serwer odpowiedział, ale nie ma książki adresowej dla tego użytkownika.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Połączono: znaleziono książkę adresową „%1”.</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Połączono: znalezione książki adresowe (%1): %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Serwer odrzucił nazwę użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Brak połączenia: %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Wpisz hasło dla %1 lub zostaw DN powiązania puste, aby czytać katalog anonimowo.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Połączono, ale poniżej %1 nie znaleziono osób ani grup.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Połączono: znaleziono 1 wpis.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Połączono: znalezione wpisy: %1.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>Serwer katalogowy nie pozwala na odczyt anonimowy: wpisz DN powiązania i jego hasło. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Brak połączenia: %1%2 Sprawdź adres i port oraz czy ten komputer jest w sieci firmowej.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>Serwer katalogowy nie ma wpisu %1: sprawdź bazę.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>Wiadomość wysyła Twój program pocztowy: nie ma tu czego testować.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Wpisz własny adres jako adres nadawcy: tam trafi wiadomość testowa.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Wiadomość testowa Quintel</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Tę wiadomość wysłała Konfiguracja Quintel, aby sprawdzić konto pocztowe.
Quintel może wysyłać pocztę. Odpowiedź nie jest potrzebna.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Wysłano wiadomość testową do %1.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>Nie wysłano wiadomości testowej: %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Połączono: kopie wysłanych wiadomości trafiają do folderu „%1”.</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Skrzynka nadawcza: żadna wiadomość nie czeka na wysłanie.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Skrzynka nadawcza: %1 (w %2). Quintel wyśle to podczas działania.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>Pulpit nie ma włączonej żadnej książki adresowej.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Ten Quintel zbudowano bez książki adresowej pulpitu (libebook).</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>Używana jest książka adresowa pulpitu (kontakty: %1 w %2 %3); zmienisz to w Konfiguracji Quintel.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Żaden pęk kluczy (Secret Service ani KWallet) nie przyjął hasła.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>Pęk kluczy nie zawiera hasła do tego konta.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>Brak dostępnego pęku kluczy: %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>Nie można użyć skrótu przywołania %1: %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>Hasło %1 nie zostało zapisane: %2 Quintel zapyta o nie, gdy będzie potrzebne.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>Folder książki adresowej musi być pełną ścieżką (zaczynającą się od /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 to plik, a nie folder.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>Nazwa użytkownika CardDAV zawiera znaki sterujące.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Wpisz nazwę hosta serwera SMTP.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>Nazwa hosta SMTP jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>Port SMTP musi mieścić się między 1 a 65535.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Połączenie bez szyfrowania jest dozwolone tylko do tego komputera (localhost): wybierz TLS lub STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>Nazwa użytkownika SMTP zawiera znaki sterujące.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Wpisz własny adres jako adres nadawcy.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>Program sendmail trzeba podać z pełną ścieżką.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>Nazwa nadawcy zawiera znaki sterujące.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>Adres serwera katalogowego zawiera znaki sterujące.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Wpisz bazę katalogu, od której zaczyna się wyszukiwanie (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Wpisz nazwę hosta serwera IMAP albo nie zachowuj kopii w Wysłanych.</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>Nazwa hosta IMAP jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>Port IMAP musi mieścić się między 1 a 65535.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Połączenie IMAP bez szyfrowania jest dozwolone tylko do tego komputera (localhost): wybierz TLS lub STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Wpisz nazwę użytkownika IMAP.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Przechowuj kontakty w %1 i uruchom Quintel</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Bez skrótu</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>Importuj plik .vcf</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Pliki vCard (*.vcf *.vcard);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>nie można odczytać: %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>zwykły port (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>Zaimportowano 1 kontakt.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>Zaimportowane kontakty: %1.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> Już w książce adresowej: %1.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> Nie zaimportowano: %1:
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 nie zawiera wizytówki vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Wizytówka %1: nie można zapisać %2: %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Naciśnij klawisze, które przywołują pasek z dowolnego programu; wyczyść pole, by nie używać żadnych. Działający pasek przyjmuje nowe klawisze od razu po zapisaniu.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Pokazuj podczas pisania dopasowania ze wszystkich pól</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>Zapomnij użyte kontakty</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Zapomina, z którymi kontaktami pracowałeś przez pasek i jak często (zapisane w %1, używane tylko do stawiania ich na początku dopasowań)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Pasek</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>Folder %1 nie istnieje: pasek nie pokaże kontaktów, dopóki nie powstanie. Wybierz istniejący folder albo utwórz ten.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>Nie podano kombinacji klawiszy.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 nie jest klawiszem modyfikującym (Ctrl, Alt, Shift lub Meta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>Kombinacja wymaga klawisza oprócz modyfikatorów.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>Klawisza %1 nie można użyć w skrócie.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>Kombinacja wymaga Ctrl, Alt lub Meta: inaczej wpisanie %1 gdziekolwiek przywoła pasek.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>skrót nie został zaakceptowany w oknie pulpitu</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>portal pulpitu go odrzucił</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>Portal pulpitu nie udostępnia skrótu: %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>Nie można ustawić skrótu przywołania: %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>Pulpit nie przypisał skrótowi przywołania kombinacji klawiszy (może używa jej inny program): wybierz ją w ustawieniach klawiatury pulpitu.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>Nie można użyć skrótu %1: %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Ten pulpit nie daje programom własnych skrótów: przypisz %1 do polecenia „quintel” w ustawieniach klawiatury pulpitu.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>Nie można użyć skrótu %1: klawiatura nie ma takiego klawisza.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>Skrót %1 jest zajęty przez inny program: wybierz inny w Konfiguracji Quintel.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>Nie można ukryć: ten pulpit nie ma obszaru powiadomień</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>Obszar powiadomień zniknął: pasek wrócił</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Pokaż Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Konfiguracja Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>Nie udało się uruchomić Konfiguracji Quintel (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Ostatnie komunikaty</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Zakończ Quintel</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Brak komunikatów</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Żaden program pocztowy nie jest ustawiony do otwierania odnośników mailto:. Wiadomości nie przekazano.

Zainstaluj jakiś (na przykład pakiet %1), a potem wybierz go w ustawieniach pulpitu w sekcji Domyślne programy albo uruchom:

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Żaden program telefoniczny nie jest ustawiony do otwierania odnośników %3:. Numeru nie przekazano.

Zainstaluj jakiś (na przykład pakiet %1), a potem wybierz go w ustawieniach pulpitu w sekcji Domyślne programy albo uruchom:

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Żadna przeglądarka internetowa nie jest ustawiona do otwierania stron WWW. Mapy nie otwarto.

Zainstaluj jakąś (na przykład pakiet %1), a potem wybierz ją w ustawieniach pulpitu w sekcji Domyślne programy albo uruchom:

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>Folder książki adresowej %1 nie istnieje. Wybierz książkę adresową w Konfiguracji Quintel.</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>Folder książki adresowej %1 zniknął; jego kontakty wrócą, gdy on wróci.</translation>
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
        <translation>Klawisz: %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Quintel: a small always-on-top contact bar. Type a contact&apos;s name, then mail, call or write.</source>
        <translation>Quintel: mały pasek kontaktów zawsze na wierzchu. Wpisz nazwę kontaktu, potem wyślij e-mail, zadzwoń lub napisz.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]
</source>
        <translation>Użycie: %1 [--help | --version]
</translation>
    </message>
    <message>
        <source>

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
</source>
        <translation>

Opcje:
  -h, --help     Pokaż tę pomoc i zakończ.
  -v, --version  Pokaż wersję i zakończ.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>opcja %1 wymaga wartości</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>nieoczekiwany argument %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Konfiguracja Quintel: książka adresowa i konto pocztowe paska kontaktów Quintel oraz jego uruchamianie po zalogowaniu.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Proszę czekać - wyszukiwanie kontaktów...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>Nie można utworzyć pliku blokady %1.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>Quintel już działa (proces %1), ale nie odpowiada.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>W Waylandzie utrzymanie paska nad innymi oknami zależy od kompozytora.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Proszę czekać - filtrowanie kontaktów...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>Zamknąć Quintel?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Wybierz kontakt, aby skopiować jego adres.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>Ten kontakt nie ma adresu e-mail.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Skopiowano: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln kontakt</numerusform>
            <numerusform>%Ln kontakty</numerusform>
            <numerusform>%Ln kontaktów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Uwaga:  przy tej opcji adresy e-mail kontaktu są odczytywane przy każdym wpisaniu nazwy.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Za dużo kategorii</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>Nie można dodać nowej kategorii</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>Tej kategorii nie można usunąć</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Preferencje ogólne</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>Przyciski e-mail tylko dla kontaktów z adresem</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Kategorie </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nowa kategoria</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Mały pasek kontaktów na pulpit.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Logo Quintel</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Ikona Quintel</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Ukryj w obszarze powiadomień</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Napisz list</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANULUJ</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Zadzwoń</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>Szybki e-mail</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>WYCZYŚĆ</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>WYŚLIJ</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Zmień rozmiar</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Pokaż kontakt</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Treść</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>Treść wiadomości</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Pasujące kontakty</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Nazwa kontaktu</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakty</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Nie znaleziono kontaktu</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Znaleziono kontakt</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Liczba kontaktów</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Wypisuje kontakty z książki adresowej Quintel tak, jak widzi je pasek kontaktów.
Kod wyjścia: 0 wszystko odczytane; 1 pominięto niektóre wizytówki lub pliki (zob. stderr); 2 nic nie wypisano.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Jeden obiekt JSON na element i wiersz.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Tylko elementy, które przepuszcza filtr, np. [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Jedna książka adresowa, zapisana jak w ustawieniu Books: folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. Z --backend eds: książka adresowa pulpitu po nazwie lub UID (kilka: rozdzielone &quot;;&quot;).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>Rodzaj źródła do odczytu, jak nazywa go książka ustawienia Books (vcard, thunderbird, carddav, eds). Domyślnie: skonfigurowane książki adresowe.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>Z --backend eds: książki adresowe pulpitu z liczbą kontaktów.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Najdłuższe oczekiwanie na książkę adresową pulpitu, w sekundach (domyślnie 15).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Folder plików .vcf lub katalog główny vdir z jednym folderem na kolekcję (domyślnie: skonfigurowane książki adresowe).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Tylko kontakty, które znajdują słowa, tak jak znajduje je lista dopasowań paska (każde słowo zaczyna słowo nazwy, pseudonimu, organizacji, stanowiska, adresu e-mail, kategorii, miejscowości lub kodu pocztowego albo jest częścią numeru; akcenty i wielkość liter bez znaczenia), w jej kolejności.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Zmienia kontakt o tym identyfikatorze wpisu (takim, jak wypisuje go lista) według opcji --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Dodaje do książki adresowej kontakt złożony z opcji --value.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Usuwa kontakt o tym identyfikatorze wpisu; jego wizytówka zostaje zachowana w ~/.local/share/Quintel/deleted-contacts.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, gdzie PROPERTY to nazwa wypisywana przez listę (FullName, Email1Address, MobileTelephoneNumber, HomeAddress jako ulica;miejscowość;region;kod pocztowy;kraj, Categories jako lista rozdzielona przecinkami, …); pusta VALUE usuwa właściwość. Można powtarzać.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Wypisz od razu książkę adresową serwera (CardDAV, LDAP) z jej kopii, bez aktualizowania kopii.</translation>
    </message>
</context>
</TS>
