<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>A qué dirección escribir</translation>
    </message>
</context>
<context>
    <name>CallWindow</name>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Llamar a %1</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Ningún número de teléfono</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Trabajo 2</translation>
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
        <translation>&amp;Llamar</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;SMS</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>No se pudo abrir ningún programa de mensajes para los enlaces sms:.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>%1 se ha pasado a su programa de teléfono.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n cambio de contactos espera al servidor de la libreta de direcciones y se enviará cuando responda.</numerusform>
            <numerusform>%n cambios de contactos esperan al servidor de la libreta de direcciones y se enviarán cuando responda.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>La libreta de direcciones aún no se ha obtenido de su servidor; sus contactos se podrán cambiar cuando se haya obtenido.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>No se puede contactar con el servidor de la libreta de direcciones: el cambio se guarda en este equipo y se enviará cuando el servidor vuelva a responder.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>Se está escribiendo otro cambio; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>El cambio de «%1» no se ha escrito: %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>Abriendo la carta a %1 en el procesador de textos...</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>E&amp;liminar…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Modificar este contacto (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Eliminar este contacto</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

La tarjeta muestra ahora el contacto tal como está; sus cambios se conservan en los campos. Revíselos y vuelva a guardar.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>¿Descartar sus cambios en «%1»?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>¿Eliminar «%1» de la libreta de direcciones?

Se guarda una copia de la tarjeta en %2.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Nuevo contacto</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>Mostrar %1 en un mapa</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>Copiar la &amp;selección</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Mostrar en un &amp;mapa</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>La libreta de direcciones en la que se guarda el nuevo contacto</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>Li&amp;breta de direcciones:</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

La tarjeta muestra ahora el contacto tal como está.</translation>
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
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Móvil</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Buscapersonas</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>&amp;Prefijo</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>&amp;Segundo nombre</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>&amp;Apellidos</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>Sufi&amp;jo</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>Nombre co&amp;mpleto</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>Archi&amp;var como</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>como el nombre</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>&amp;Organización</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Ca&amp;rgo</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>Apo&amp;do</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>Añadir dirección de correo</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Añadir número de teléfono</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Dirección postal</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Añadir dirección postal</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Añadir página web</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Otras &amp;categorías</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>separadas por comas</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>C&amp;umpleaños</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12 o --04-12</translation>
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
        <translation>Preferente</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Quitar la dirección</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Provincia</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
</context>
<context>
    <name>ContactItem</name>
    <message>
        <source>Quintel does not change contacts of this address book; change it in the program it belongs to.</source>
        <translation>Quintel no modifica los contactos de esta libreta de direcciones; modifique el contacto en el programa al que pertenece la libreta.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Ninguna libreta de direcciones «%1» admite contactos nuevos.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Error %1: %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>El correo ocupa %1, más que los %2 que se escriben en la carpeta de correo %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>El correo ocupa %1, más que los %2 que se entregan al programa de correo %3.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>No se pudo leer el correo para enviarlo: %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>El correo ocupa %1, más que los %2 que acepta el servidor de correo %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>El correo ocupa %1, más que los %2 que se envían a un servidor de correo que no indica ningún límite (%3).</translation>
    </message>
</context>
<context>
    <name>MatchList</name>
    <message>
        <source>e-mail</source>
        <translation>correo</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>organización</translation>
    </message>
    <message>
        <source>title</source>
        <translation>cargo</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>apodo</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoría</translation>
    </message>
    <message>
        <source>place</source>
        <translation>lugar</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Contactos que coinciden</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Abre una tarjeta de contacto nueva con este texto (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>Añadir «%1» como contacto nuevo…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Contraseña de la libreta de direcciones %1:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>Una dirección de correo necesita una «@».</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>Esto no es una dirección de correo.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>Un cumpleaños es una fecha como 1985-04-12 o --04-12 sin el año.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>Un contacto necesita un nombre, una organización, una dirección de correo o un número de teléfono.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>Quintel lee la libreta de direcciones de Thunderbird, pero no la modifica; modifique este contacto en Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>No se pudo escribir el archivo de contacto «%1» (%2); sigue como estaba.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>No se puede abrir la carpeta de la libreta «%1»: %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>No se puede leer el archivo de contacto «%1»: %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>Otro programa ha modificado el contacto de «%1» desde que se abrió; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>El archivo de contacto «%1» se ha eliminado desde que se abrió; no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>El archivo de contacto «%1» está escrito en UTF-16, que Quintel lee pero no escribe; modifíquelo en otro programa.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>El contacto no tiene un UID utilizable para su nombre de archivo.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>no se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>No se puede leer el contacto «%1»: %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Este contacto es la copia que Quintel tiene de la libreta de direcciones de un servidor (CardDAV o LDAP); modifíquelo en el servidor o en el programa que la gestiona.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>La libreta de direcciones CardDAV está cerrada.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>«%1» se ha modificado en el servidor de la libreta de direcciones desde que se leyó; su cambio no se ha escrito.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>El cambio de «%1» no se ha escrito: %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>«%1» se ha modificado en el servidor de la libreta de direcciones desde que se leyó; no se ha eliminado.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>El servidor de la libreta de direcciones no ha eliminado «%1»: %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 Su versión del contacto se guarda en %2.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>El servidor de la libreta de direcciones no acepta cambios en este momento.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>«%1» no se ha eliminado en el servidor de la libreta de direcciones: mientras tanto se modificó allí.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>Su cambio de «%1» no se ha enviado: mientras tanto el contacto se modificó en el servidor de la libreta de direcciones. Su versión se guarda en %2.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>El servidor de la libreta de direcciones ha rechazado el cambio de «%1» (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>El cambio no se puede guardar en este equipo (%1: %2); no se ha escrito nada.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>«%1» se ha eliminado de «%2» desde que se leyó; su cambio no se ha escrito.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>La libreta de direcciones «%1» no acepta cambios: %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>La libreta de direcciones «%1» no ha respondido a tiempo; «%2» sigue como estaba.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>No se ha podido escribir «%1» en «%2»: %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>El contacto no se puede escribir como vCard.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>La libreta de direcciones «%1» del escritorio es de solo lectura; cambie este contacto donde se mantiene la libreta (Contactos de GNOME, Evolution o su servidor).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>«%1» se ha modificado en «%2» desde que se leyó; su cambio no se ha escrito.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Ninguna de las libretas de direcciones del escritorio que lee Quintel acepta cambios; añada contactos en Contactos de GNOME o Evolution.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>«%1» se ha modificado en «%2» desde que se leyó; no se ha eliminado.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>El correo no se ha enviado.

%1

El asunto y el texto se conservan.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Elija el contacto al que enviar el correo.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>El correo no se ha enviado.

%1

¿Guardarlo en la bandeja de salida? Quintel lo envía en cuanto el servidor esté disponible.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>El correo de la bandeja de salida no se puede enviar.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>Hay correo en la bandeja de salida que no se ha enviado.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Se estaba enviando un correo a %1 cuando Quintel se detuvo. Puede que el servidor ya lo haya recibido.

¿Enviarlo de nuevo?

No lo saca de la bandeja de salida sin enviarlo.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>un destinatario desconocido</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>El correo no se ha vuelto a enviar. Se guarda en %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>Enviando el correo a %1...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Enviar a %1</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Elija el contacto al que enviar el correo</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Configuración de Quintel</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>Quintel necesita una libreta de direcciones. La mayoría empieza con una local: una carpeta de archivos vCard en este equipo, que puede llenar importando un archivo .vcf exportado de su teléfono o programa de correo.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Libreta de direcciones</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>&amp;Libretas de direcciones encontradas en este equipo (las marcadas se leen, en este orden, en lugar de la opción de abajo):</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Libretas encontradas</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>Una &amp;carpeta de archivos vCard en este equipo</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Carpeta de la libreta</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Elegir…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>Elegir la carpeta que contiene los archivos .vcf</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>&amp;Importar un archivo .vcf…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>Copiar los contactos de un archivo .vcf en esta carpeta</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Un servidor Card&amp;DAV (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Di&amp;rección:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>guardada en el llavero</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>La libreta de direcciones del escritorio (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>Las libretas de direcciones del escritorio</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>Las libretas que lee Quintel; si un nombre está en varias, gana la primera</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>Buscando las libretas del escritorio…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Directorio de la empresa (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>La lista de direcciones de la empresa en un servidor LDAP (OpenLDAP, Active Directory, FreeIPA), leída en una copia en este equipo</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Servidor de directorio</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://host o ldap://host (la conexión se protege entonces con StartTLS)</translation>
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
        <translation>DN de enlace:</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN de enlace</translation>
    </message>
    <message>
        <source>empty: read anonymously</source>
        <translation>vacío: leer de forma anónima</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Contraseña del directorio</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Probar la conexión</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Conectar con el servidor elegido y decir qué contiene; no se guarda nada</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>El send&amp;mail del sistema</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Un ser&amp;vidor SMTP</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>Su propio programa de correo (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>ENVIAR abre la ventana de mensaje nuevo de su programa de correo con el correo rellenado; usted lo envía desde allí, con su propio inicio de sesión, firma y carpeta Enviados. Elija esto cuando su proveedor ya no acepte una contraseña para enviar correo (Microsoft 365, o Google sin contraseña de aplicación).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Mensajes guardados en una carpeta (para pruebas)</translation>
    </message>
    <message>
        <source>H&amp;ost:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>SMTP server</source>
        <translation>Servidor SMTP</translation>
    </message>
    <message>
        <source>smtp.example.org</source>
        <translation>smtp.example.org</translation>
    </message>
    <message>
        <source>Port &amp;number:</source>
        <translation>&amp;Número de puerto:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>puerto habitual</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Se&amp;guridad:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>STARTTLS (port 587)</source>
        <translation>STARTTLS (puerto 587)</translation>
    </message>
    <message>
        <source>TLS (port 465)</source>
        <translation>TLS (puerto 465)</translation>
    </message>
    <message>
        <source>None (only to this computer)</source>
        <translation>Ninguna (solo a este equipo)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>Nombre de &amp;usuario:</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>Usuario SMTP</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Contra&amp;seña:</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>Dirección del r&amp;emitente:</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Dirección del remitente</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>Su &amp;nombre:</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Nombre del remitente</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>Enviarme un &amp;mensaje de prueba</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Guardar una copia de cada correo enviado en la carpeta Enviados de mi cuenta IMAP</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Para que su programa de correo muestre los correos rápidos enviados</translation>
    </message>
    <message>
        <source>IMAP host:</source>
        <translation>Host IMAP:</translation>
    </message>
    <message>
        <source>IMAP server</source>
        <translation>Servidor IMAP</translation>
    </message>
    <message>
        <source>imap.example.org</source>
        <translation>imap.example.org</translation>
    </message>
    <message>
        <source>IMAP port:</source>
        <translation>Puerto IMAP:</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>Puerto IMAP</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>Seguridad IMAP:</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>Seguridad IMAP</translation>
    </message>
    <message>
        <source>TLS (port 993)</source>
        <translation>TLS (puerto 993)</translation>
    </message>
    <message>
        <source>STARTTLS (port 143)</source>
        <translation>STARTTLS (puerto 143)</translation>
    </message>
    <message>
        <source>IMAP user name:</source>
        <translation>Usuario IMAP:</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>Usuario IMAP</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>Contraseña IMAP:</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>Probar la conexión IMAP</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Iniciar sesión en el servidor IMAP y mostrar la carpeta Enviados que se usará</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Iniciar Quintel al &amp;entrar en la sesión</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>Mostrar la barra con:</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>Mostrar la barra con</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Usar una libreta de direcciones &amp;local</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>No se puede eliminar %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Carpeta de la libreta</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>Contactos de KDE</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contacto</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contactos</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>En uso: %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Escriba la dirección del servidor CardDAV.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>El servidor respondió, pero no tiene ninguna libreta para este usuario.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Conectado: se encontró la libreta «%1».</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Conectado: se encontraron %1 libretas: %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>El servidor rechazó el nombre de usuario o la contraseña.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Sin conexión: %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Escriba la contraseña de %1 o deje vacío el DN de enlace para leer el directorio de forma anónima.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Conectado, pero no se encontraron personas ni grupos bajo %1.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Conectado: se encontró 1 entrada.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Conectado: se encontraron %1 entradas.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>El servidor de directorio no permite la lectura anónima: escriba un DN de enlace y su contraseña. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Sin conexión: %1%2 Compruebe la dirección y el puerto, y que este equipo esté en la red de la empresa.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>El servidor de directorio no tiene la entrada %1: compruebe la base.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>Su propio programa de correo envía el correo: aquí no hay nada que probar.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Escriba su propia dirección como dirección del remitente: el mensaje de prueba va allí.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Mensaje de prueba de Quintel</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Este mensaje lo ha enviado Configuración de Quintel para comprobar su cuenta de correo.
Quintel puede enviar correo. No hace falta responder.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Se envió un mensaje de prueba a %1.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>El mensaje de prueba no se envió: %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Conectado: las copias del correo enviado van a la carpeta «%1».</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Bandeja de salida: ningún correo espera para enviarse.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Bandeja de salida: %1 (en %2). Quintel lo envía mientras está en marcha.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>El escritorio no tiene ninguna libreta activada.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Este Quintel se compiló sin la libreta del escritorio (libebook).</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>Se usa la libreta del escritorio (%1 contactos en %2 %3); Configuración de Quintel lo cambia.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Ningún llavero (Secret Service o KWallet) aceptó la contraseña.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>El llavero no tiene ninguna contraseña para esta cuenta.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>No hay ningún llavero disponible: %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>No se puede usar el atajo para mostrar la barra %1: %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>La contraseña de %1 no se guardó: %2 Quintel la pedirá cuando la necesite.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>La carpeta de la libreta debe ser una ruta completa (que empiece por /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>El nombre de usuario de CardDAV contiene caracteres de control.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Escriba el nombre de host del servidor SMTP.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>El nombre de host SMTP no es válido.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>El puerto SMTP debe estar entre 1 y 65535.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Una conexión sin cifrado solo se permite a este equipo (localhost): elija TLS o STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>El nombre de usuario SMTP contiene caracteres de control.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Escriba su propia dirección como dirección del remitente.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>El programa sendmail debe indicarse con su ruta completa.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>El nombre del remitente contiene caracteres de control.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>La dirección del servidor de directorio contiene caracteres de control.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Escriba la base del directorio, donde empieza la búsqueda (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Escriba el nombre de host del servidor IMAP o no guarde copia en Enviados.</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>El nombre de host IMAP no es válido.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>El puerto IMAP debe estar entre 1 y 65535.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Una conexión IMAP sin cifrado solo se permite a este equipo (localhost): elija TLS o STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Escriba el nombre de usuario IMAP.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Guardar los contactos en %1 e iniciar Quintel</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Sin atajo</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>Importar un archivo .vcf</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Archivos vCard (*.vcf *.vcard);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>puerto habitual (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>1 contacto importado.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>%1 contactos importados.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> %1 ya en la libreta.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> %1 no importados:
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 no contiene ninguna vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Tarjeta %1: no se puede escribir %2: %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Pulse las teclas que traen la barra al frente desde cualquier programa; vacíe el campo para ninguna. Una barra abierta toma las nuevas teclas en cuanto se guardan.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Mostrar mientras escribo las coincidencias de todos los campos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>Olvidar los contactos usados</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Olvida con qué contactos ha trabajado desde la barra y cuántas veces (guardado en %1, usado solo para ponerlos primero entre las coincidencias)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>La carpeta %1 no existe: la barra no muestra contactos hasta que exista. Elija una carpeta existente o cree esta.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>No se ha indicado ninguna combinación de teclas.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 no es una tecla modificadora (Ctrl, Alt, Mayús o Meta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>La combinación necesita una tecla además de las modificadoras.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>La tecla %1 no se puede usar para el atajo.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>La combinación necesita Ctrl, Alt o Meta: si no, escribir %1 en cualquier sitio mostraría la barra.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>el atajo no se aceptó en el diálogo del escritorio</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>el portal del escritorio lo rechazó</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>El portal del escritorio no ofrece atajos: %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>No se puede establecer el atajo para mostrar la barra: %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>El escritorio no asignó ninguna combinación de teclas al atajo para mostrar la barra (puede que otro programa la use): elija una en la configuración de teclado del escritorio.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>No se puede usar el atajo %1: %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Este escritorio no ofrece atajos propios a los programas: asigne %1 a la orden «quintel» en la configuración de teclado del escritorio.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>No se puede usar el atajo %1: el teclado no tiene esa tecla.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>Otro programa usa el atajo %1: elija otro en Configuración de Quintel.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>No se puede ocultar: este escritorio no tiene área de notificación</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>El área de notificación ha desaparecido: la barra ha vuelto</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Mostrar Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Configuración de Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>No se pudo iniciar Configuración de Quintel (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Últimos avisos</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Salir de Quintel</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Ningún aviso</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>No hay ningún programa de correo configurado para abrir los enlaces mailto:. El correo no se ha pasado.

Instale uno (por ejemplo el paquete %1) y elíjalo en la configuración de su escritorio en Aplicaciones predeterminadas, o ejecute:

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>No hay ningún programa de teléfono configurado para abrir los enlaces %3:. El número no se ha pasado.

Instale uno (por ejemplo el paquete %1) y elíjalo en la configuración de su escritorio en Aplicaciones predeterminadas, o ejecute:

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>No hay ningún navegador web configurado para abrir páginas web. El mapa no se ha abierto.

Instale uno (por ejemplo el paquete %1) y elíjalo en la configuración de su escritorio en Aplicaciones predeterminadas, o ejecute:

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>La carpeta de la libreta de direcciones %1 no existe. Elija su libreta de direcciones en la Configuración de Quintel.</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>La carpeta de la libreta de direcciones %1 ha desaparecido; sus contactos volverán cuando vuelva ella.</translation>
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
        <translation>Tecla: %1</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Quintel: a small always-on-top contact bar. Type a contact&apos;s name, then mail, call or write.</source>
        <translation>Quintel: una pequeña barra de contactos siempre visible. Escriba el nombre de un contacto y envíe un correo, llame o escriba.</translation>
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

Opciones:
  -h, --help     Mostrar esta ayuda y salir.
  -v, --version  Mostrar la versión y salir.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Configuración de Quintel: la libreta de direcciones y la cuenta de correo de la barra de contactos Quintel, y su inicio al entrar en la sesión.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Espere - buscando contactos...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>No se puede crear el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>Quintel ya se está ejecutando (proceso %1), pero no responde.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>En Wayland, mantener la barra sobre las demás ventanas depende del compositor.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Espere - filtrando contactos...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>¿Cerrar Quintel?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Elija un contacto para copiar su dirección.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>Este contacto no tiene dirección de correo.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contacto</numerusform>
            <numerusform>%Ln contactos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Nota:  con esta opción, las direcciones de correo de cada contacto se leen cada vez que se escribe un nombre.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Demasiadas categorías</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>No se puede añadir otra categoría</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>No se puede eliminar esta categoría</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Preferencias generales</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>Botones de correo solo si el contacto tiene dirección</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Categorías </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Una pequeña barra de contactos para el escritorio.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Logotipo de Quintel</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Icono de Quintel</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Ocultar en el área de notificación</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Escribir una carta</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Llamar</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>Correo rápido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ENVIAR</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Cambiar de tamaño</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Ver el contacto</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Asunto</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>Texto del correo</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Contactos que coinciden</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Nombre del contacto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Ningún contacto encontrado</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Contacto encontrado</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Número de contactos</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Lista los contactos de la libreta de direcciones de Quintel, tal como los ve la barra de contactos.
Estado de salida: 0 todo leído; 1 se omitieron tarjetas o archivos (véase stderr); 2 nada listado.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Un objeto JSON por elemento y línea.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Solo los elementos que deja pasar el filtro, p. ej. [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Una libreta de direcciones, escrita como en el ajuste Books: una carpeta, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. Con --backend eds: la libreta del escritorio por nombre o UID (varias: separadas por &quot;;&quot;).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>El tipo de origen que leer, como lo nombra una libreta del ajuste Books (vcard, thunderbird, carddav, eds). Por omisión: las libretas configuradas.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>Con --backend eds: las libretas del escritorio con su número de contactos.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Espera máxima a la libreta del escritorio, en segundos (15 por omisión).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Una carpeta de archivos .vcf o una raíz vdir con una carpeta por colección (por omisión: las libretas configuradas).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Solo los contactos que encuentran las palabras, como los encuentra la lista de coincidencias de la barra (cada palabra empieza una palabra de un nombre, apodo, organización, cargo, dirección de correo, categoría, ciudad o código postal, o es parte de un número; se ignoran acentos y mayúsculas), en su orden.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Cambia el contacto con este ID de entrada (como lo muestra el listado) según las opciones --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Añade a la libreta de direcciones un contacto hecho de las opciones --value.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Elimina el contacto con este ID de entrada; su tarjeta se guarda en ~/.local/share/Quintel/deleted-contacts.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, con PROPERTY un nombre que muestra el listado (FullName, Email1Address, MobileTelephoneNumber, HomeAddress como calle;ciudad;región;código postal;país, Categories como lista separada por comas, …); una VALUE vacía la quita. Repetible.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Listar al momento la libreta de un servidor (CardDAV, LDAP) desde su copia, sin actualizar la copia.</translation>
    </message>
</context>
</TS>
