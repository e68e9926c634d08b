<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>На какой адрес написать</translation>
    </message>
</context>
<context>
    <name>CallWindow</name>
    <message>
        <source>Numbers</source>
        <translation>Номера</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Позвонить: %1</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Нет телефонных номеров</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Рабочий</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Мобильный</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Рабочий 2</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Домашний</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Домашний 2</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Позвонить</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;SMS</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>Не удалось открыть программу сообщений для ссылок sms:.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>Номер %1 передан программе телефонии.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n изменение контактов ждёт сервер адресной книги и будет отправлено, когда он ответит.</numerusform>
            <numerusform>%n изменения контактов ждут сервер адресной книги и будут отправлены, когда он ответит.</numerusform>
            <numerusform>%n изменений контактов ждут сервер адресной книги и будут отправлены, когда он ответит.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>Адресная книга ещё не получена с сервера; её контакты можно будет изменять после этого.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>Сервер адресной книги недоступен: изменение сохранено на этом компьютере и будет отправлено, когда сервер снова ответит.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>Записывается другое изменение; повторите попытку.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>Изменение контакта «%1» не записано: %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>Письмо для %1 открывается в текстовом редакторе...</translation>
    </message>
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Псевдоним</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Веб-страница</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Удалить…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Изменить этот контакт (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Удалить этот контакт</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

Теперь карточка показывает контакт в его текущем виде; ваши изменения остались в полях. Проверьте их и сохраните ещё раз.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>Отбросить изменения в «%1»?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>Удалить «%1» из адресной книги?

Копия карточки будет сохранена в %2.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Новый контакт</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Копировать: %1</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>Показать на карте: %1</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>Копировать &amp;выделенное</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Показать на &amp;карте</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопировано: %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>Адресная книга, в которой будет сохранён новый контакт</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>&amp;Адресная книга:</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

Теперь карточка показывает контакт в его текущем виде.</translation>
    </message>
</context>
<context>
    <name>ContactEditForm</name>
    <message>
        <source>Home</source>
        <translation>Домашний</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Рабочий</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Мобильный</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Факс</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Пейджер</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>Об&amp;ращение</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>И&amp;мя</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>От&amp;чество</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>Фами&amp;лия</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>Су&amp;ффикс</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>&amp;Полное имя</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>&amp;Хранить как</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>как имя</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>&amp;Организация</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Дол&amp;жность</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>Пс&amp;евдоним</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>Добавить адрес эл. почты</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Добавить номер телефона</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Почтовый адрес</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Добавить почтовый адрес</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Веб-страница</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Добавить веб-страницу</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Другие &amp;категории</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>через запятую</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>&amp;День рождения</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12 или --04-12</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>&amp;Заметка</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Preferred</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Удалить: %1</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Удалить адрес</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Улица</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Регион</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
</context>
<context>
    <name>ContactItem</name>
    <message>
        <source>Quintel does not change contacts of this address book; change it in the program it belongs to.</source>
        <translation>Quintel не изменяет контакты этой адресной книги; измените контакт в программе, которой принадлежит эта книга.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Нет адресной книги «%1», принимающей новые контакты.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Ошибка %1: %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>Письмо занимает %1 — больше, чем %2, записываемые в почтовую папку %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>Письмо занимает %1 — больше, чем %2, передаваемые почтовой программе %3.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>Не удалось прочитать письмо для отправки: %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>Письмо занимает %1 — больше, чем %2, которые принимает почтовый сервер %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>Письмо занимает %1 — больше, чем %2, отправляемые на почтовый сервер, не сообщающий своего предела (%3).</translation>
    </message>
</context>
<context>
    <name>MatchList</name>
    <message>
        <source>e-mail</source>
        <translation>эл. почта</translation>
    </message>
    <message>
        <source>number</source>
        <translation>номер</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>организация</translation>
    </message>
    <message>
        <source>title</source>
        <translation>должность</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>псевдоним</translation>
    </message>
    <message>
        <source>category</source>
        <translation>категория</translation>
    </message>
    <message>
        <source>place</source>
        <translation>место</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Подходящие контакты</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Открывает новую карточку контакта с этим текстом (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>Добавить «%1» как новый контакт…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Пароль адресной книги %1:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>В адресе эл. почты должен быть символ «@».</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>Это не адрес эл. почты.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>День рождения — это дата вида 1985-04-12 или --04-12 без года.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>У контакта должно быть имя, организация, адрес эл. почты или номер телефона.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>Quintel читает адресную книгу Thunderbird, но не изменяет её; измените этот контакт в Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>Не удалось записать файл контакта «%1» (%2); он остался прежним.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>Не удаётся открыть папку адресной книги «%1»: %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>Не удаётся прочитать файл контакта «%1»: %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>Контакт в «%1» был изменён другой программой после открытия; ничего не записано.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>Файл контакта «%1» был удалён после открытия; ничего не записано.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>Файл контакта «%1» записан в UTF-16, который Quintel читает, но не записывает; измените его в другой программе.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>У контакта нет UID, пригодного для имени файла.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>не удаётся создать папку «%1»</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>Не удаётся прочитать контакт «%1»: %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Этот контакт — копия Quintel из адресной книги сервера (CardDAV или LDAP); измените его на сервере или в программе, которая им управляет.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>Адресная книга CardDAV закрыта.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>Контакт «%1» был изменён на сервере адресной книги после чтения; ваше изменение не записано.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>Изменение контакта «%1» не записано: %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>Контакт «%1» был изменён на сервере адресной книги после чтения; он не удалён.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>Сервер адресной книги не удалил контакт «%1»: %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 Ваша версия контакта сохранена в %2.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>Сервер адресной книги сейчас не принимает изменения.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>Контакт «%1» не удалён на сервере адресной книги: тем временем он был там изменён.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>Ваше изменение контакта «%1» не отправлено: тем временем контакт был изменён на сервере адресной книги. Ваша версия сохранена в %2.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>Сервер адресной книги отклонил изменение контакта «%1» (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>Не удаётся сохранить изменение на этом компьютере (%1: %2); ничего не записано.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>Контакт «%1» был удалён из «%2» после чтения; ваше изменение не записано.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>Адресная книга «%1» не принимает изменения: %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>Адресная книга «%1» не ответила вовремя; контакт «%2» не изменён.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>Не удалось записать контакт «%1» в «%2»: %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>Контакт нельзя записать как vCard.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>Адресная книга «%1» рабочего стола доступна только для чтения; измените этот контакт там, где ведётся книга (Контакты GNOME, Evolution или её сервер).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>Контакт «%1» был изменён в «%2» после чтения; ваше изменение не записано.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Ни одна из адресных книг рабочего стола, которые читает Quintel, не принимает изменения; добавляйте контакты в Контактах GNOME или Evolution.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>Контакт «%1» был изменён в «%2» после чтения; он не удалён.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>Письмо не отправлено.

%1

Тема и текст сохранены.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Выберите контакт, которому отправить письмо.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>Письмо не отправлено.

%1

Оставить его в исходящих? Quintel отправит его, как только сервер станет доступен.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>Письмо из исходящих не может быть отправлено.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>Письма из исходящих не отправлены.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Письмо для %1 отправлялось, когда Quintel остановился. Возможно, сервер его уже получил.

Отправить ещё раз?

Нет — убрать его из исходящих, не отправляя.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>неизвестного получателя</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>Письмо не отправлено повторно. Оно сохранено в %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>Письмо отправляется: %1...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Отправить: %1</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Выберите контакт, которому отправить письмо</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Настройка Quintel</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>Quintel нужна адресная книга. Обычно начинают с локальной: папки с файлами vCard на этом компьютере, которую можно заполнить, импортировав файл .vcf из телефона или почтовой программы.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Адресная книга</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>Найденные на этом компьютере адресные &amp;книги (отмеченные читаются в этом порядке вместо выбора ниже):</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Найденные адресные книги</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>&amp;Папка с файлами vCard на этом компьютере</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Папка адресной книги</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Выбрать…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>Выбрать папку с файлами .vcf</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>&amp;Импортировать файл .vcf…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>Скопировать контакты из файла .vcf в эту папку</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Сервер Card&amp;DAV (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Ад&amp;рес:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Имя пользователя:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Пароль:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>хранится в связке ключей</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>Адресная книга рабочего стола (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>Адресные книги рабочего стола</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>Книги, которые читает Quintel; если имя есть в нескольких, побеждает первая</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>Поиск адресных книг рабочего стола…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Каталог компании (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>Список адресов компании на сервере LDAP (OpenLDAP, Active Directory, FreeIPA), считанный в копию на этом компьютере</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Сервер каталога</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://узел или ldap://узел (тогда соединение защищается через StartTLS)</translation>
    </message>
    <message>
        <source>Base:</source>
        <translation>База:</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>База</translation>
    </message>
    <message>
        <source>dc=example,dc=com</source>
        <translation>dc=example,dc=com</translation>
    </message>
    <message>
        <source>Bind DN:</source>
        <translation>DN для входа:</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN для входа</translation>
    </message>
    <message>
        <source>empty: read anonymously</source>
        <translation>пусто: читать анонимно</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Пароль каталога</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Проверить соединение</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Подключиться к выбранному серверу и показать, что на нём есть; ничего не сохраняется</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>Системный send&amp;mail</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Сер&amp;вер SMTP</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>Ваша почтовая программа (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>ПОСЛАТЬ открывает окно нового письма вашей почтовой программы с заполненным письмом; вы отправляете его оттуда, с её входом, подписью и папкой «Отправленные». Выберите это, если ваш провайдер больше не принимает пароль для отправки почты (Microsoft 365 или Google без пароля приложения).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Письма сохраняются в папку (для проверки)</translation>
    </message>
    <message>
        <source>H&amp;ost:</source>
        <translation>&amp;Узел:</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Сервер SMTP</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Port &amp;number:</source>
        <translation>&amp;Номер порта:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>обычный порт</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Б&amp;езопасность:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (порт 587)</translation>
    </message>
    <message>
        <source>TLS (port 465)</source>
        <translation>TLS (порт 465)</translation>
    </message>
    <message>
        <source>None (only to this computer)</source>
        <translation>Нет (только к этому компьютеру)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>&amp;Имя пользователя:</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>Имя пользователя SMTP</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Паро&amp;ль:</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>Адрес &amp;отправителя:</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Адрес отправителя</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>&amp;Ваше имя:</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Имя отправителя</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>Отправить себе &amp;тестовое письмо</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Сохранять копию каждого отправленного письма в папке «Отправленные» моей учётной записи IMAP</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Чтобы ваша почтовая программа показывала отправленные быстрые письма</translation>
    </message>
    <message>
        <source>IMAP host:</source>
        <translation>Узел IMAP:</translation>
    </message>
    <message>
        <source>IMAP server</source>
        <translation>Сервер IMAP</translation>
    </message>
    <message>
        <source>imap.example.org</source>
        <translation>imap.example.org</translation>
    </message>
    <message>
        <source>IMAP port:</source>
        <translation>Порт IMAP:</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>Порт IMAP</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>Безопасность IMAP:</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>Безопасность IMAP</translation>
    </message>
    <message>
        <source>TLS (port 993)</source>
        <translation>TLS (порт 993)</translation>
    </message>
    <message>
        <source>STARTTLS (port 143)</source>
        <translation>STARTTLS (порт 143)</translation>
    </message>
    <message>
        <source>IMAP user name:</source>
        <translation>Пользователь IMAP:</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>Пользователь IMAP</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>Пароль IMAP:</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>Проверить соединение IMAP</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Войти на сервер IMAP и показать папку «Отправленные», которая будет использоваться</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Запускать Quintel при &amp;входе в систему</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>Показывать панель сочетанием:</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>Показывать панель сочетанием</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Использовать &amp;локальную адресную книгу</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>Не удаётся удалить %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Папка адресной книги</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>Контакты KDE</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 контакт</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>контактов: %1</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>Используется: %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Введите адрес сервера CardDAV.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>Сервер ответил, но у него нет адресной книги для этого пользователя.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Соединение есть: найдена адресная книга «%1».</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Соединение есть: найдено адресных книг: %1: %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>Сервер отклонил имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Нет соединения: %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Введите пароль для %1 или оставьте DN для входа пустым, чтобы читать каталог анонимно.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Соединение есть, но ниже %1 не найдено ни людей, ни групп.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Соединение есть: найдена 1 запись.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Соединение есть: найдено записей: %1.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>Сервер каталога не разрешает анонимное чтение: введите DN для входа и его пароль. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Нет соединения: %1%2 Проверьте адрес и порт, а также что компьютер в сети компании.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>На сервере каталога нет записи %1: проверьте базу.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>Письмо отправляет ваша почтовая программа: здесь нечего проверять.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Введите свой адрес как адрес отправителя: тестовое письмо придёт туда.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Тестовое письмо Quintel</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Это письмо отправлено Настройкой Quintel для проверки вашей почтовой учётной записи.
Quintel может отправлять почту. Отвечать не нужно.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Тестовое письмо отправлено на %1.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>Тестовое письмо не отправлено: %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Соединение есть: копии отправленных писем попадают в папку «%1».</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Исходящие: нет писем, ожидающих отправки.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Исходящие: %1 (в %2). Quintel отправит это, пока работает.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>На рабочем столе не включена ни одна адресная книга.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Этот Quintel собран без адресной книги рабочего стола (libebook).</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>Используется адресная книга рабочего стола (контактов: %1 в %2 %3); изменить это можно в Настройке Quintel.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Ни одна связка ключей (Secret Service или KWallet) не приняла пароль.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>В связке ключей нет пароля для этой учётной записи.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>Связка ключей недоступна: %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>Сочетание вызова %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>Пароль %1 не сохранён: %2 Quintel спросит его, когда он понадобится.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>Папка адресной книги должна быть задана полным путём (начиная с /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 — файл, а не папка.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>Имя пользователя CardDAV содержит управляющие символы.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Введите имя узла сервера SMTP.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>Имя узла SMTP недопустимо.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>Порт SMTP должен быть от 1 до 65535.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Соединение без шифрования разрешено только с этим компьютером (localhost): выберите TLS или STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>Имя пользователя SMTP содержит управляющие символы.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Введите свой адрес как адрес отправителя.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>Программу sendmail нужно указать полным путём.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>Имя отправителя содержит управляющие символы.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>Адрес сервера каталога содержит управляющие символы.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Введите базу каталога, с которой начинается поиск (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Введите имя узла сервера IMAP или не сохраняйте копию в «Отправленных».</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>Имя узла IMAP недопустимо.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>Порт IMAP должен быть от 1 до 65535.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Соединение IMAP без шифрования разрешено только с этим компьютером (localhost): выберите TLS или STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Введите имя пользователя IMAP.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Хранить контакты в %1 и запустить Quintel</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Без сочетания</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>Импортировать файл .vcf</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Файлы vCard (*.vcf *.vcard);;Все файлы (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не читается: %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>обычный порт (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>Импортирован 1 контакт.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>Импортировано контактов: %1.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> Уже в адресной книге: %1.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> Не импортировано: %1:
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 не содержит vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Карточка %1: не удаётся записать %2: %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Нажмите клавиши, которые вызывают панель из любой программы; очистите поле, чтобы не использовать их. Запущенная панель принимает новые клавиши сразу после сохранения.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Показывать при вводе совпадения по всем полям</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>Забыть использованные контакты</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Забывает, с какими контактами вы работали через панель и как часто (хранится в %1, используется только чтобы ставить их первыми среди совпадений)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Панель</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>Папка %1 не существует: панель не покажет контактов, пока её нет. Выберите существующую папку или создайте эту.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>Сочетание клавиш не задано.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 — не клавиша-модификатор (Ctrl, Alt, Shift или Meta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>Кроме модификаторов, в сочетании нужна ещё одна клавиша.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>Клавишу %1 нельзя использовать в сочетании.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>В сочетании нужен Ctrl, Alt или Meta: иначе ввод %1 где угодно вызывал бы панель.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>сочетание не принято в диалоге рабочего стола</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>портал рабочего стола его отклонил</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>Портал рабочего стола не даёт сочетание клавиш: %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>Не удаётся задать сочетание вызова: %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>Рабочий стол не назначил сочетанию вызова клавиши (возможно, их занимает другая программа): выберите их в настройках клавиатуры рабочего стола.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>Сочетание %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Этот рабочий стол не даёт программам собственных сочетаний: назначьте %1 команде «quintel» в настройках клавиатуры рабочего стола.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>Сочетание %1 нельзя использовать: на клавиатуре нет такой клавиши.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>Сочетание %1 занято другой программой: выберите другое в Настройке Quintel.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>Нельзя свернуть: у этого рабочего стола нет области уведомлений</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>Область уведомлений исчезла: панель снова на экране</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Показать Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Настройка Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>Не удалось запустить Настройку Quintel (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Последние сообщения</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Выйти из Quintel</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Нет сообщений</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Для ссылок mailto: не задана почтовая программа. Письмо не передано.

Установите её (например, пакет %1) и выберите в настройках рабочего стола в разделе «Приложения по умолчанию» или выполните:

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Для ссылок %3: не задана программа телефонии. Номер не передан.

Установите её (например, пакет %1) и выберите в настройках рабочего стола в разделе «Приложения по умолчанию» или выполните:

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Для веб-страниц не задан веб-браузер. Карта не открыта.

Установите его (например, пакет %1) и выберите в настройках рабочего стола в разделе «Приложения по умолчанию» или выполните:

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>Папка адресной книги %1 не существует. Выберите адресную книгу в окне «Настройка Quintel».</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>Папка адресной книги %1 пропала; её контакты вернутся вместе с ней.</translation>
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
        <translation>Клавиши: %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Quintel: a small always-on-top contact bar. Type a contact&apos;s name, then mail, call or write.</source>
        <translation>Quintel: небольшая панель контактов поверх всех окон. Введите имя контакта, затем напишите письмо, позвоните или напишите документ.</translation>
    </message>
    <message>
        <source>Usage: %1 [--help | --version]
</source>
        <translation>Использование: %1 [--help | --version]
</translation>
    </message>
    <message>
        <source>

Options:
  -h, --help     Show this help and exit.
  -v, --version  Show the version and exit.
</source>
        <translation>

Параметры:
  -h, --help     Показать эту справку и выйти.
  -v, --version  Показать версию и выйти.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>параметру %1 нужно значение</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>неожиданный аргумент %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Настройка Quintel: адресная книга и почтовая учётная запись панели контактов Quintel, а также её запуск при входе в систему.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Подождите — поиск контактов...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>Не удаётся создать файл блокировки %1.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>Quintel уже запущен (процесс %1), но не отвечает.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>В Wayland удержание панели поверх других окон зависит от композитора.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Подождите — фильтрация контактов...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>Закрыть Quintel?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Выберите контакт, чтобы скопировать его адрес.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>У этого контакта нет адреса эл. почты.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Скопировано: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln контакт</numerusform>
            <numerusform>%Ln контакта</numerusform>
            <numerusform>%Ln контактов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Примечание:  при этом параметре адреса эл. почты контакта читаются при каждом вводе имени.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Слишком много категорий</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>Нельзя добавить новую категорию</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>Эту категорию нельзя удалить</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Общие настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>Кнопки почты — только если у контакта есть адрес</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Категории </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Новая категория</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Небольшая панель контактов для рабочего стола.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Логотип Quintel</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Значок Quintel</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Свернуть в область уведомлений</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Написать письмо</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ОТМЕНА</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Позвонить</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>Быстрое письмо</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>ОЧИСТИТЬ</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ПОСЛАТЬ</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Изменить размер</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Показать контакт</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>Текст письма</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Подходящие контакты</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Имя контакта</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Контакт не найден</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Контакт найден</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Число контактов</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Выводит контакты адресной книги Quintel так, как их видит панель контактов.
Код выхода: 0 всё прочитано; 1 некоторые карточки или файлы пропущены (см. stderr); 2 ничего не выведено.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Один объект JSON на элемент и строку.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Только элементы, которые пропускает фильтр, например [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Одна адресная книга, записанная как в параметре Books: папка, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. С --backend eds: адресная книга рабочего стола по имени или UID (несколько: через &quot;;&quot;).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>Источник для чтения, как его называет книга параметра Books (vcard, thunderbird, carddav, eds). По умолчанию: настроенные адресные книги.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>С --backend eds: адресные книги рабочего стола с числом контактов.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Наибольшее ожидание адресной книги рабочего стола, в секундах (по умолчанию 15).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Папка с файлами .vcf или корень vdir с папкой на каждую коллекцию (по умолчанию: настроенные адресные книги).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Только контакты, которые находят слова, так, как их находит список совпадений панели (каждое слово начинает слово имени, псевдонима, организации, должности, адреса эл. почты, категории, города или индекса либо является частью номера; регистр и диакритика не учитываются), в его порядке.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Изменяет контакт с этим идентификатором записи (как его выводит список) по параметрам --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Добавляет в адресную книгу контакт из параметров --value.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Удаляет контакт с этим идентификатором записи; его карточка сохраняется в ~/.local/share/Quintel/deleted-contacts.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, где PROPERTY — имя, которое выводит список (FullName, Email1Address, MobileTelephoneNumber, HomeAddress как улица;город;регион;индекс;страна, Categories как список через запятую, …); пустое VALUE удаляет свойство. Можно повторять.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Сразу вывести адресную книгу сервера (CardDAV, LDAP) из её копии, не обновляя копию.</translation>
    </message>
</context>
</TS>
