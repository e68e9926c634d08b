<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AddressMenu</name>
    <message>
        <source>Write to which address</source>
        <translation>Para qual endereço escrever</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Ligar para %1</translation>
    </message>
    <message>
        <source>No telephone numbers</source>
        <translation>Nenhum número de telefone</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Comercial</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Business 2</source>
        <translation>Comercial 2</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Residencial</translation>
    </message>
    <message>
        <source>Home 2</source>
        <translation>Residencial 2</translation>
    </message>
    <message>
        <source>&amp;Call</source>
        <translation>&amp;Ligar</translation>
    </message>
    <message>
        <source>&amp;Text message</source>
        <translation>&amp;SMS</translation>
    </message>
    <message>
        <source>No messaging program could be opened for sms: links.</source>
        <translation>Não foi possível abrir um programa de mensagens para links sms:.</translation>
    </message>
    <message>
        <source>%1 was handed to your telephone program.</source>
        <translation>%1 foi passado para o seu programa de telefone.</translation>
    </message>
</context>
<context>
    <name>CardDav</name>
    <message numerus="yes">
        <source>%n change(s) to contacts wait for the address book server and are sent when it answers.</source>
        <translation>
            <numerusform>%n alteração de contatos aguarda o servidor do catálogo de endereços e será enviada quando ele responder.</numerusform>
            <numerusform>%n alterações de contatos aguardam o servidor do catálogo de endereços e serão enviadas quando ele responder.</numerusform>
        </translation>
    </message>
    <message>
        <source>The address book has not been fetched from its server yet; its contacts can be changed once it has.</source>
        <translation>O catálogo de endereços ainda não foi obtido do servidor; seus contatos poderão ser alterados depois disso.</translation>
    </message>
    <message>
        <source>The address book server cannot be reached: the change is kept on this computer and sent when the server answers again.</source>
        <translation>O servidor do catálogo de endereços não pode ser alcançado: a alteração fica guardada neste computador e será enviada quando o servidor responder novamente.</translation>
    </message>
    <message>
        <source>Another change is being written; try again.</source>
        <translation>Outra alteração está sendo gravada; tente novamente.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>A alteração de “%1” não foi gravada: %2</translation>
    </message>
</context>
<context>
    <name>ContactActions</name>
    <message>
        <source>Opening the letter to %1 in the word processor...</source>
        <translation>Abrindo a carta para %1 no processador de texto...</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apelido</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página da web</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Aniversário</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>E&amp;xcluir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Change this contact (F2)</source>
        <translation>Alterar este contato (F2)</translation>
    </message>
    <message>
        <source>Delete this contact</source>
        <translation>Excluir este contato</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is; your changes are kept in the fields. Check them and save again.</source>
        <translation>%1

O cartão agora mostra o contato como ele está; suas alterações foram mantidas nos campos. Confira-as e salve de novo.</translation>
    </message>
    <message>
        <source>Discard your changes to “%1”?</source>
        <translation>Descartar suas alterações em “%1”?</translation>
    </message>
    <message>
        <source>Delete “%1” from the address book?

A copy of the card is kept in %2.</source>
        <translation>Excluir “%1” do catálogo de endereços?

Uma cópia do cartão fica guardada em %2.</translation>
    </message>
    <message>
        <source>New contact</source>
        <translation>Novo contato</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Show %1 on a map</source>
        <translation>Mostrar %1 em um mapa</translation>
    </message>
    <message>
        <source>Copy the &amp;selection</source>
        <translation>Copiar a &amp;seleção</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Show on a &amp;map</source>
        <translation>Mostrar em um &amp;mapa</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Catálogo de endereços</translation>
    </message>
    <message>
        <source>The address book the new contact is saved in</source>
        <translation>O catálogo de endereços em que o novo contato é salvo</translation>
    </message>
    <message>
        <source>Add&amp;ress book:</source>
        <translation>Ca&amp;tálogo de endereços:</translation>
    </message>
    <message>
        <source>%1

The card now shows the contact as it is.</source>
        <translation>%1

O cartão agora mostra o contato como ele está.</translation>
    </message>
</context>
<context>
    <name>ContactEditForm</name>
    <message>
        <source>Home</source>
        <translation>Residencial</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Comercial</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Celular</translation>
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
        <translation>Outro</translation>
    </message>
    <message>
        <source>&amp;Prefix</source>
        <translation>&amp;Prefixo</translation>
    </message>
    <message>
        <source>&amp;Given name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Middle name</source>
        <translation>Nome do &amp;meio</translation>
    </message>
    <message>
        <source>&amp;Family name</source>
        <translation>So&amp;brenome</translation>
    </message>
    <message>
        <source>Suffi&amp;x</source>
        <translation>Su&amp;fixo</translation>
    </message>
    <message>
        <source>F&amp;ull name</source>
        <translation>Nome comp&amp;leto</translation>
    </message>
    <message>
        <source>File &amp;as</source>
        <translation>&amp;Arquivar como</translation>
    </message>
    <message>
        <source>as the name</source>
        <translation>como o nome</translation>
    </message>
    <message>
        <source>&amp;Organisation</source>
        <translation>Or&amp;ganização</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Ca&amp;rgo</translation>
    </message>
    <message>
        <source>&amp;Nickname</source>
        <translation>Apel&amp;ido</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Add e-mail address</source>
        <translation>Adicionar endereço de e-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefone</translation>
    </message>
    <message>
        <source>Add phone number</source>
        <translation>Adicionar número de telefone</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Endereço postal</translation>
    </message>
    <message>
        <source>Add postal address</source>
        <translation>Adicionar endereço postal</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Página da web</translation>
    </message>
    <message>
        <source>Add web page</source>
        <translation>Adicionar página da web</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
    <message>
        <source>Other &amp;categories</source>
        <translation>Outras &amp;categorias</translation>
    </message>
    <message>
        <source>separated by commas</source>
        <translation>separadas por vírgulas</translation>
    </message>
    <message>
        <source>&amp;Birthday</source>
        <translation>Ani&amp;versário</translation>
    </message>
    <message>
        <source>1985-04-12, or --04-12</source>
        <translation>1985-04-12 ou --04-12</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>No&amp;te</source>
        <translation>&amp;Observação</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Preferred</source>
        <translation>Preferencial</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remover %1</translation>
    </message>
    <message>
        <source>Remove address</source>
        <translation>Remover endereço</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rua</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>CEP</translation>
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
        <translation>O Quintel não altera os contatos deste catálogo de endereços; altere o contato no programa ao qual o catálogo pertence.</translation>
    </message>
    <message>
        <source>No address book “%1” takes new contacts.</source>
        <translation>Nenhum catálogo de endereços “%1” aceita contatos novos.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Error %1: %2</source>
        <translation>Erro %1: %2</translation>
    </message>
</context>
<context>
    <name>MailTransport</name>
    <message>
        <source>The mail is %1, larger than the %2 written to the mail folder %3.</source>
        <translation>O e-mail tem %1, mais que os %2 gravados na pasta de e-mail %3.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 handed to the mail program %3.</source>
        <translation>O e-mail tem %1, mais que os %2 entregues ao programa de e-mail %3.</translation>
    </message>
    <message>
        <source>The mail could not be read to be sent: %1.</source>
        <translation>Não foi possível ler o e-mail para enviá-lo: %1.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 the mail server %3 takes.</source>
        <translation>O e-mail tem %1, mais que os %2 que o servidor de e-mail %3 aceita.</translation>
    </message>
    <message>
        <source>The mail is %1, larger than the %2 sent to a mail server that states no limit (%3).</source>
        <translation>O e-mail tem %1, mais que os %2 enviados a um servidor de e-mail que não informa limite (%3).</translation>
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
        <translation>número</translation>
    </message>
    <message>
        <source>organisation</source>
        <translation>organização</translation>
    </message>
    <message>
        <source>title</source>
        <translation>cargo</translation>
    </message>
    <message>
        <source>nickname</source>
        <translation>apelido</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoria</translation>
    </message>
    <message>
        <source>place</source>
        <translation>local</translation>
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
        <translation>Contatos correspondentes</translation>
    </message>
    <message>
        <source>Opens a new contact card with this text (Ctrl+N)</source>
        <translation>Abre um novo cartão de contato com este texto (Ctrl+N)</translation>
    </message>
    <message>
        <source>Add “%1” as a new contact…</source>
        <translation>Adicionar “%1” como novo contato…</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Password for the address book %1:</source>
        <translation>Senha do catálogo de endereços %1:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>An e-mail address needs an “@”.</source>
        <translation>Um endereço de e-mail precisa de um “@”.</translation>
    </message>
    <message>
        <source>This is not an e-mail address.</source>
        <translation>Isto não é um endereço de e-mail.</translation>
    </message>
    <message>
        <source>A birthday is a date such as 1985-04-12, or --04-12 without the year.</source>
        <translation>Um aniversário é uma data como 1985-04-12 ou --04-12 sem o ano.</translation>
    </message>
    <message>
        <source>A contact needs a name, an organisation, an e-mail address or a phone number.</source>
        <translation>Um contato precisa de um nome, uma organização, um endereço de e-mail ou um número de telefone.</translation>
    </message>
    <message>
        <source>Quintel reads Thunderbird&apos;s address book but does not change it; change this contact in Thunderbird.</source>
        <translation>O Quintel lê o catálogo de endereços do Thunderbird, mas não o altera; altere este contato no Thunderbird.</translation>
    </message>
    <message>
        <source>The contact file “%1” could not be written (%2); it is as it was.</source>
        <translation>Não foi possível gravar o arquivo de contato “%1” (%2); ele continua como estava.</translation>
    </message>
    <message>
        <source>The address book folder “%1” cannot be opened: %2.</source>
        <translation>A pasta do catálogo “%1” não pode ser aberta: %2.</translation>
    </message>
    <message>
        <source>The contact file “%1” cannot be read: %2</source>
        <translation>O arquivo de contato “%1” não pode ser lido: %2</translation>
    </message>
    <message>
        <source>The contact in “%1” was changed by another program since it was opened; nothing was written.</source>
        <translation>O contato em “%1” foi alterado por outro programa desde que foi aberto; nada foi gravado.</translation>
    </message>
    <message>
        <source>The contact file “%1” was removed since it was opened; nothing was written.</source>
        <translation>O arquivo de contato “%1” foi removido desde que foi aberto; nada foi gravado.</translation>
    </message>
    <message>
        <source>The contact file “%1” is written in UTF-16, which Quintel reads but does not write; change it in another program.</source>
        <translation>O arquivo de contato “%1” está gravado em UTF-16, que o Quintel lê, mas não grava; altere-o em outro programa.</translation>
    </message>
    <message>
        <source>The contact has no usable UID for its file name.</source>
        <translation>O contato não tem um UID utilizável para o nome do arquivo.</translation>
    </message>
    <message>
        <source>the folder “%1” cannot be created</source>
        <translation>a pasta “%1” não pode ser criada</translation>
    </message>
    <message>
        <source>The contact “%1” cannot be read: %2.</source>
        <translation>O contato “%1” não pode ser lido: %2.</translation>
    </message>
    <message>
        <source>This contact is Quintel&apos;s copy of a server&apos;s address book (CardDAV or LDAP); change it on the server or in the program that manages it.</source>
        <translation>Este contato é a cópia do Quintel do catálogo de endereços de um servidor (CardDAV ou LDAP); altere-o no servidor ou no programa que o gerencia.</translation>
    </message>
    <message>
        <source>The CardDAV address book is closed.</source>
        <translation>O catálogo de endereços CardDAV está fechado.</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; your change was not written.</source>
        <translation>“%1” foi alterado no servidor do catálogo de endereços desde que foi lido; sua alteração não foi gravada.</translation>
    </message>
    <message>
        <source>The change to “%1” was not written: %2</source>
        <translation>A alteração de “%1” não foi gravada: %2</translation>
    </message>
    <message>
        <source>“%1” was changed on the address book server since it was read; it was not deleted.</source>
        <translation>“%1” foi alterado no servidor do catálogo de endereços desde que foi lido; não foi excluído.</translation>
    </message>
    <message>
        <source>The address book server did not delete “%1”: %2</source>
        <translation>O servidor do catálogo de endereços não excluiu “%1”: %2</translation>
    </message>
    <message>
        <source>%1 Your version of the contact is kept in %2.</source>
        <translation>%1 Sua versão do contato está guardada em %2.</translation>
    </message>
    <message>
        <source>The address book server does not take changes at the moment.</source>
        <translation>O servidor do catálogo de endereços não aceita alterações no momento.</translation>
    </message>
    <message>
        <source>“%1” was not deleted on the address book server: it was changed there meanwhile.</source>
        <translation>“%1” não foi excluído no servidor do catálogo de endereços: foi alterado lá nesse meio-tempo.</translation>
    </message>
    <message>
        <source>Your change to “%1” was not sent: the contact was changed on the address book server meanwhile. Your version is kept in %2.</source>
        <translation>Sua alteração de “%1” não foi enviada: o contato foi alterado no servidor do catálogo de endereços nesse meio-tempo. Sua versão está guardada em %2.</translation>
    </message>
    <message>
        <source>The address book server refused the change to “%1” (HTTP %2).</source>
        <translation>O servidor do catálogo de endereços recusou a alteração de “%1” (HTTP %2).</translation>
    </message>
    <message>
        <source>The change cannot be kept on this computer (%1: %2); nothing was written.</source>
        <translation>A alteração não pode ser guardada neste computador (%1: %2); nada foi gravado.</translation>
    </message>
    <message>
        <source>“%1” was removed from “%2” since it was read; your change was not written.</source>
        <translation>“%1” foi removido de “%2” desde que foi lido; sua alteração não foi gravada.</translation>
    </message>
    <message>
        <source>The address book “%1” does not take changes: %2</source>
        <translation>O catálogo de endereços “%1” não aceita alterações: %2</translation>
    </message>
    <message>
        <source>The address book “%1” did not answer in time; “%2” is as it was.</source>
        <translation>O catálogo de endereços “%1” não respondeu a tempo; “%2” continua como estava.</translation>
    </message>
    <message>
        <source>“%1” could not be written to “%2”: %3</source>
        <translation>Não foi possível gravar “%1” em “%2”: %3</translation>
    </message>
    <message>
        <source>The contact cannot be written as a vCard.</source>
        <translation>O contato não pode ser gravado como vCard.</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book “%1” is read-only; change this contact where the book is kept (GNOME Contacts, Evolution, or its server).</source>
        <translation>O catálogo de endereços “%1” da área de trabalho é somente leitura; altere este contato onde o catálogo é mantido (Contatos do GNOME, Evolution ou o servidor dele).</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; your change was not written.</source>
        <translation>“%1” foi alterado em “%2” desde que foi lido; sua alteração não foi gravada.</translation>
    </message>
    <message>
        <source>None of the desktop&apos;s address books Quintel reads takes changes; add contacts in GNOME Contacts or Evolution.</source>
        <translation>Nenhum dos catálogos de endereços da área de trabalho que o Quintel lê aceita alterações; adicione contatos no Contatos do GNOME ou no Evolution.</translation>
    </message>
    <message>
        <source>“%1” was changed in “%2” since it was read; it was not deleted.</source>
        <translation>“%1” foi alterado em “%2” desde que foi lido; não foi excluído.</translation>
    </message>
</context>
<context>
    <name>QuickMail</name>
    <message>
        <source>The mail was not sent.

%1

The subject and text are kept.</source>
        <translation>O e-mail não foi enviado.

%1

O assunto e o texto foram mantidos.</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to.</source>
        <translation>Escolha o contato para quem enviar o e-mail.</translation>
    </message>
    <message>
        <source>The mail was not sent.

%1

Keep it in the outbox? Quintel sends it as soon as the server can be reached.</source>
        <translation>O e-mail não foi enviado.

%1

Mantê-lo na caixa de saída? O Quintel o envia assim que o servidor estiver acessível.</translation>
    </message>
    <message>
        <source>The mail in the outbox cannot be sent.

%1</source>
        <translation>O e-mail da caixa de saída não pode ser enviado.

%1</translation>
    </message>
    <message>
        <source>Mail in the outbox was not sent.

%1</source>
        <translation>Há e-mails na caixa de saída que não foram enviados.

%1</translation>
    </message>
    <message>
        <source>A mail to %1 was being sent when Quintel stopped. The server may have received it already.

Send it again?

No keeps it out of the outbox without sending it.</source>
        <translation>Um e-mail para %1 estava sendo enviado quando o Quintel parou. O servidor pode já tê-lo recebido.

Enviá-lo de novo?

Não o retira da caixa de saída sem enviá-lo.</translation>
    </message>
    <message>
        <source>an unknown recipient</source>
        <translation>um destinatário desconhecido</translation>
    </message>
    <message>
        <source>The mail was not sent again. It is kept in %1.</source>
        <translation>O e-mail não foi enviado de novo. Ele está guardado em %1.</translation>
    </message>
    <message>
        <source>Sending the mail to %1...</source>
        <translation>Enviando o e-mail para %1...</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Enviar para %1</translation>
    </message>
    <message>
        <source>Choose a contact to send the mail to</source>
        <translation>Escolha o contato para quem enviar o e-mail</translation>
    </message>
</context>
<context>
    <name>SetupWindow</name>
    <message>
        <source>Quintel Setup</source>
        <translation>Configuração do Quintel</translation>
    </message>
    <message>
        <source>Quintel needs an address book. Most people start with a local one: a folder of vCard files on this computer, which you can fill by importing a .vcf file exported from your phone or mail program.</source>
        <translation>O Quintel precisa de um catálogo de endereços. A maioria começa com um local: uma pasta de arquivos vCard neste computador, que você pode preencher importando um arquivo .vcf exportado do seu celular ou programa de e-mail.</translation>
    </message>
    <message>
        <source>Address book</source>
        <translation>Catálogo de endereços</translation>
    </message>
    <message>
        <source>Address &amp;books found on this computer (the ticked ones are read, in this order, instead of the choice below):</source>
        <translation>&amp;Catálogos de endereços encontrados neste computador (os marcados são lidos, nesta ordem, em vez da escolha abaixo):</translation>
    </message>
    <message>
        <source>Address books found</source>
        <translation>Catálogos encontrados</translation>
    </message>
    <message>
        <source>A &amp;folder of vCard files on this computer</source>
        <translation>Uma &amp;pasta de arquivos vCard neste computador</translation>
    </message>
    <message>
        <source>Address-book folder</source>
        <translation>Pasta do catálogo</translation>
    </message>
    <message>
        <source>C&amp;hoose…</source>
        <translation>&amp;Escolher…</translation>
    </message>
    <message>
        <source>Choose the folder that holds the .vcf files</source>
        <translation>Escolher a pasta que contém os arquivos .vcf</translation>
    </message>
    <message>
        <source>&amp;Import a .vcf file…</source>
        <translation>&amp;Importar um arquivo .vcf…</translation>
    </message>
    <message>
        <source>Copy the contacts of a .vcf file into this folder</source>
        <translation>Copiar os contatos de um arquivo .vcf para esta pasta</translation>
    </message>
    <message>
        <source>A Card&amp;DAV server (Nextcloud, Radicale, …)</source>
        <translation>Um servidor Card&amp;DAV (Nextcloud, Radicale, …)</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>End&amp;ereço:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>https://cloud.example.org/remote.php/dav/</source>
        <translation>https://cloud.example.org/remote.php/dav/</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Senha:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>kept in the keyring</source>
        <translation>guardada no chaveiro</translation>
    </message>
    <message>
        <source>The desktop&apos;s address book (GNOME)</source>
        <translation>O catálogo de endereços da área de trabalho (GNOME)</translation>
    </message>
    <message>
        <source>The desktop&apos;s address books</source>
        <translation>Os catálogos de endereços da área de trabalho</translation>
    </message>
    <message>
        <source>The books Quintel reads; the first one wins a name found in several</source>
        <translation>Os catálogos que o Quintel lê; se um nome está em vários, vale o primeiro</translation>
    </message>
    <message>
        <source>Looking for the desktop&apos;s address books…</source>
        <translation>Procurando os catálogos da área de trabalho…</translation>
    </message>
    <message>
        <source>Company directory (LDAP)</source>
        <translation>Diretório da empresa (LDAP)</translation>
    </message>
    <message>
        <source>The company&apos;s address list on an LDAP server (OpenLDAP, Active Directory, FreeIPA), read into a copy on this computer</source>
        <translation>A lista de endereços da empresa em um servidor LDAP (OpenLDAP, Active Directory, FreeIPA), lida numa cópia neste computador</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Servidor:</translation>
    </message>
    <message>
        <source>Directory server</source>
        <translation>Servidor de diretório</translation>
    </message>
    <message>
        <source>ldaps://ldap.example.com</source>
        <translation>ldaps://ldap.example.com</translation>
    </message>
    <message>
        <source>ldaps://host, or ldap://host (the connection is then secured with StartTLS)</source>
        <translation>ldaps://host ou ldap://host (a conexão é então protegida com StartTLS)</translation>
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
        <translation>DN de bind:</translation>
    </message>
    <message>
        <source>Bind DN</source>
        <translation>DN de bind</translation>
    </message>
    <message>
        <source>empty: read anonymously</source>
        <translation>vazio: ler anonimamente</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Directory password</source>
        <translation>Senha do diretório</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Testar a conexão</translation>
    </message>
    <message>
        <source>Connect to the chosen server and say what it holds; nothing is saved</source>
        <translation>Conectar ao servidor escolhido e dizer o que ele contém; nada é salvo</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The system&apos;s send&amp;mail</source>
        <translation>O send&amp;mail do sistema</translation>
    </message>
    <message>
        <source>An SMTP ser&amp;ver</source>
        <translation>Um ser&amp;vidor SMTP</translation>
    </message>
    <message>
        <source>Your own mail program (Thunderbird, Evolution, …)</source>
        <translation>O seu próprio programa de e-mail (Thunderbird, Evolution, …)</translation>
    </message>
    <message>
        <source>SEND opens your mail program&apos;s new-message window with the mail filled in; you send it from there, with its own sign-in, signature and Sent folder. Choose this when your provider no longer accepts a password for sending mail (Microsoft 365, or Google without an app password).</source>
        <translation>ENVIAR abre a janela de nova mensagem do seu programa de e-mail com o e-mail preenchido; você o envia de lá, com o login, a assinatura e a pasta Enviados dele. Escolha isto quando seu provedor não aceitar mais senha para enviar e-mail (Microsoft 365, ou Google sem senha de app).</translation>
    </message>
    <message>
        <source>Messages saved in a folder (for testing)</source>
        <translation>Mensagens salvas numa pasta (para testes)</translation>
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
        <translation>&amp;Número da porta:</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>usual port</source>
        <translation>porta habitual</translation>
    </message>
    <message>
        <source>Se&amp;curity:</source>
        <translation>Se&amp;gurança:</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Segurança</translation>
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
        <translation>Nenhuma (só para este computador)</translation>
    </message>
    <message>
        <source>User n&amp;ame:</source>
        <translation>Nome de &amp;usuário:</translation>
    </message>
    <message>
        <source>SMTP user name</source>
        <translation>Usuário SMTP</translation>
    </message>
    <message>
        <source>Pass&amp;word:</source>
        <translation>Se&amp;nha:</translation>
    </message>
    <message>
        <source>S&amp;ender address:</source>
        <translation>Endereço do r&amp;emetente:</translation>
    </message>
    <message>
        <source>Sender address</source>
        <translation>Endereço do remetente</translation>
    </message>
    <message>
        <source>you@example.org</source>
        <translation>you@example.org</translation>
    </message>
    <message>
        <source>&amp;Your name:</source>
        <translation>Seu &amp;nome:</translation>
    </message>
    <message>
        <source>Sender name</source>
        <translation>Nome do remetente</translation>
    </message>
    <message>
        <source>Send a test messa&amp;ge to myself</source>
        <translation>Enviar uma &amp;mensagem de teste para mim</translation>
    </message>
    <message>
        <source>Keep a copy of each sent mail in the Sent folder of my IMAP account</source>
        <translation>Guardar uma cópia de cada e-mail enviado na pasta Enviados da minha conta IMAP</translation>
    </message>
    <message>
        <source>So that your own mail program shows the quick mails you sent</source>
        <translation>Para que seu programa de e-mail mostre os e-mails rápidos enviados</translation>
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
        <translation>Porta IMAP:</translation>
    </message>
    <message>
        <source>IMAP port</source>
        <translation>Porta IMAP</translation>
    </message>
    <message>
        <source>IMAP security:</source>
        <translation>Segurança IMAP:</translation>
    </message>
    <message>
        <source>IMAP security</source>
        <translation>Segurança IMAP</translation>
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
        <translation>Usuário IMAP:</translation>
    </message>
    <message>
        <source>IMAP user name</source>
        <translation>Usuário IMAP</translation>
    </message>
    <message>
        <source>IMAP password:</source>
        <translation>Senha IMAP:</translation>
    </message>
    <message>
        <source>Test IMAP connection</source>
        <translation>Testar a conexão IMAP</translation>
    </message>
    <message>
        <source>Log in to the IMAP server and show the Sent folder that will be used</source>
        <translation>Entrar no servidor IMAP e mostrar a pasta Enviados que será usada</translation>
    </message>
    <message>
        <source>Start Quintel when I &amp;log in</source>
        <translation>Iniciar o Quintel ao &amp;entrar na sessão</translation>
    </message>
    <message>
        <source>Show the bar with:</source>
        <translation>Mostrar a barra com:</translation>
    </message>
    <message>
        <source>Show the bar with</source>
        <translation>Mostrar a barra com</translation>
    </message>
    <message>
        <source>Use a local address boo&amp;k</source>
        <translation>Usar um catálogo de endereços &amp;local</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 cannot be removed.</source>
        <translation>%1 não pode ser removido.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>A pasta %1 não pode ser criada.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>Address book folder</source>
        <translation>Pasta do catálogo</translation>
    </message>
    <message>
        <source>KDE contacts</source>
        <translation>Contatos do KDE</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>1 contact</source>
        <translation>1 contato</translation>
    </message>
    <message>
        <source>%1 contacts</source>
        <translation>%1 contatos</translation>
    </message>
    <message>
        <source>Using %1</source>
        <translation>Em uso: %1</translation>
    </message>
    <message>
        <source>Enter the address of the CardDAV server.</source>
        <translation>Digite o endereço do servidor CardDAV.</translation>
    </message>
    <message>
        <source>The server answered, but it holds no address book for this user.</source>
        <translation>O servidor respondeu, mas não tem catálogo de endereços para este usuário.</translation>
    </message>
    <message>
        <source>Connected: found the address book &quot;%1&quot;.</source>
        <translation>Conectado: encontrado o catálogo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Connected: found %1 address books: %2.</source>
        <translation>Conectado: encontrados %1 catálogos: %2.</translation>
    </message>
    <message>
        <source>The server refused the user name or password.</source>
        <translation>O servidor recusou o nome de usuário ou a senha.</translation>
    </message>
    <message>
        <source>No connection: %1</source>
        <translation>Sem conexão: %1</translation>
    </message>
    <message>
        <source>Enter the password of %1, or leave the bind DN empty to read the directory anonymously.</source>
        <translation>Digite a senha de %1 ou deixe o DN de bind vazio para ler o diretório anonimamente.</translation>
    </message>
    <message>
        <source>Connected, but no people or groups were found below %1.</source>
        <translation>Conectado, mas nenhuma pessoa ou grupo foi encontrado abaixo de %1.</translation>
    </message>
    <message>
        <source>Connected: found 1 entry.</source>
        <translation>Conectado: encontrada 1 entrada.</translation>
    </message>
    <message>
        <source>Connected: found %1 entries.</source>
        <translation>Conectado: encontradas %1 entradas.</translation>
    </message>
    <message>
        <source>The directory server does not let anyone read it anonymously: enter a bind DN and its password. (%1)</source>
        <translation>O servidor de diretório não permite leitura anônima: digite um DN de bind e sua senha. (%1)</translation>
    </message>
    <message>
        <source>No connection: %1%2 Check the address and the port, and that this computer is on the company&apos;s network.</source>
        <translation>Sem conexão: %1%2 Verifique o endereço e a porta, e se este computador está na rede da empresa.</translation>
    </message>
    <message>
        <source>The directory server has no entry %1: check the base.</source>
        <translation>O servidor de diretório não tem a entrada %1: verifique a base.</translation>
    </message>
    <message>
        <source>Your own mail program sends the mail: there is nothing to test here.</source>
        <translation>O seu programa de e-mail envia o e-mail: não há nada a testar aqui.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address: the test message goes there.</source>
        <translation>Digite seu próprio endereço como endereço do remetente: a mensagem de teste vai para lá.</translation>
    </message>
    <message>
        <source>Quintel test message</source>
        <translation>Mensagem de teste do Quintel</translation>
    </message>
    <message>
        <source>This message was sent by Quintel Setup to check your mail account.
Quintel can send mail. No answer is needed.
</source>
        <translation>Esta mensagem foi enviada pela Configuração do Quintel para verificar sua conta de e-mail.
O Quintel pode enviar e-mails. Não é preciso responder.
</translation>
    </message>
    <message>
        <source>A test message was sent to %1.</source>
        <translation>Uma mensagem de teste foi enviada para %1.</translation>
    </message>
    <message>
        <source>The test message was not sent: %1</source>
        <translation>A mensagem de teste não foi enviada: %1</translation>
    </message>
    <message>
        <source>Connected: copies of sent mail go to the folder &quot;%1&quot;.</source>
        <translation>Conectado: as cópias dos e-mails enviados vão para a pasta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Outbox: no mail is waiting to be sent.</source>
        <translation>Caixa de saída: nenhum e-mail aguardando envio.</translation>
    </message>
    <message>
        <source>Outbox: %1 (in %2). Quintel sends it while it runs.</source>
        <translation>Caixa de saída: %1 (em %2). O Quintel envia enquanto estiver em execução.</translation>
    </message>
    <message>
        <source>The desktop has no address book switched on.</source>
        <translation>A área de trabalho não tem nenhum catálogo ativado.</translation>
    </message>
    <message>
        <source>This Quintel was built without the desktop&apos;s address book (libebook).</source>
        <translation>Este Quintel foi compilado sem o catálogo da área de trabalho (libebook).</translation>
    </message>
    <message>
        <source>Using the desktop&apos;s address book (%1 contacts in %2 %3); Quintel Setup changes this.</source>
        <translation>Usando o catálogo da área de trabalho (%1 contatos em %2 %3); a Configuração do Quintel muda isso.</translation>
    </message>
    <message>
        <source>No keyring (Secret Service or KWallet) took the password.</source>
        <translation>Nenhum chaveiro (Secret Service ou KWallet) aceitou a senha.</translation>
    </message>
    <message>
        <source>The keyring holds no password for this account.</source>
        <translation>O chaveiro não tem senha para esta conta.</translation>
    </message>
    <message>
        <source>No keyring is available: %1</source>
        <translation>Nenhum chaveiro disponível: %1</translation>
    </message>
    <message>
        <source>The summon shortcut %1 cannot be used: %2</source>
        <translation>O atalho para chamar a barra %1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>The %1 password was not saved: %2 Quintel will ask for it when it needs it.</source>
        <translation>A senha de %1 não foi salva: %2 O Quintel vai pedi-la quando precisar.</translation>
    </message>
    <message>
        <source>The address-book folder must be a full path (starting with /).</source>
        <translation>A pasta do catálogo deve ser um caminho completo (começando com /).</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The CardDAV user name contains control characters.</source>
        <translation>O nome de usuário CardDAV contém caracteres de controle.</translation>
    </message>
    <message>
        <source>Enter the SMTP server&apos;s host name.</source>
        <translation>Digite o nome do host do servidor SMTP.</translation>
    </message>
    <message>
        <source>The SMTP host name is not valid.</source>
        <translation>O nome do host SMTP não é válido.</translation>
    </message>
    <message>
        <source>The SMTP port must be between 1 and 65535.</source>
        <translation>A porta SMTP deve estar entre 1 e 65535.</translation>
    </message>
    <message>
        <source>A connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Uma conexão sem criptografia só é permitida para este computador (localhost): escolha TLS ou STARTTLS.</translation>
    </message>
    <message>
        <source>The SMTP user name contains control characters.</source>
        <translation>O nome de usuário SMTP contém caracteres de controle.</translation>
    </message>
    <message>
        <source>Enter your own mail address as the sender address.</source>
        <translation>Digite seu próprio endereço como endereço do remetente.</translation>
    </message>
    <message>
        <source>The sendmail program must be given with its full path.</source>
        <translation>O programa sendmail deve ser informado com o caminho completo.</translation>
    </message>
    <message>
        <source>The sender&apos;s name contains control characters.</source>
        <translation>O nome do remetente contém caracteres de controle.</translation>
    </message>
    <message>
        <source>The directory server&apos;s address contains control characters.</source>
        <translation>O endereço do servidor de diretório contém caracteres de controle.</translation>
    </message>
    <message>
        <source>Enter the base of the directory, where the search starts (dc=example,dc=com).</source>
        <translation>Digite a base do diretório, onde a busca começa (dc=example,dc=com).</translation>
    </message>
    <message>
        <source>Enter the IMAP server&apos;s host name, or do not keep a copy in Sent.</source>
        <translation>Digite o nome do host do servidor IMAP ou não guarde cópia em Enviados.</translation>
    </message>
    <message>
        <source>The IMAP host name is not valid.</source>
        <translation>O nome do host IMAP não é válido.</translation>
    </message>
    <message>
        <source>The IMAP port must be between 1 and 65535.</source>
        <translation>A porta IMAP deve estar entre 1 e 65535.</translation>
    </message>
    <message>
        <source>An IMAP connection without encryption is allowed only to this computer (localhost): choose TLS or STARTTLS.</source>
        <translation>Uma conexão IMAP sem criptografia só é permitida para este computador (localhost): escolha TLS ou STARTTLS.</translation>
    </message>
    <message>
        <source>Enter the IMAP user name.</source>
        <translation>Digite o nome de usuário IMAP.</translation>
    </message>
    <message>
        <source>Keep contacts in %1 and start Quintel</source>
        <translation>Guardar os contatos em %1 e iniciar o Quintel</translation>
    </message>
    <message>
        <source>No shortcut</source>
        <translation>Nenhum atalho</translation>
    </message>
    <message>
        <source>Import a .vcf file</source>
        <translation>Importar um arquivo .vcf</translation>
    </message>
    <message>
        <source>vCard files (*.vcf *.vcard);;All files (*)</source>
        <translation>Arquivos vCard (*.vcf *.vcard);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>usual port (%1)</source>
        <translation>porta habitual (%1)</translation>
    </message>
    <message>
        <source>1 contact imported.</source>
        <translation>1 contato importado.</translation>
    </message>
    <message>
        <source>%1 contacts imported.</source>
        <translation>%1 contatos importados.</translation>
    </message>
    <message>
        <source> %1 already in the address book.</source>
        <translation> %1 já no catálogo.</translation>
    </message>
    <message>
        <source> %1 not imported:
</source>
        <translation> %1 não importados:
</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1 holds no vCard (BEGIN:VCARD … END:VCARD).</source>
        <translation>%1 não contém nenhum vCard (BEGIN:VCARD … END:VCARD).</translation>
    </message>
    <message>
        <source>Card %1: %2 cannot be written: %3</source>
        <translation>Cartão %1: %2 não pode ser gravado: %3</translation>
    </message>
    <message>
        <source>Press the keys that bring the bar forward from any program; clear the box for none. A running bar takes the new keys as soon as they are saved.</source>
        <translation>Pressione as teclas que trazem a barra para a frente a partir de qualquer programa; esvazie o campo para nenhuma. Uma barra aberta passa a usar as novas teclas assim que forem salvas.</translation>
    </message>
    <message>
        <source>Show matches from every field while I type</source>
        <translation>Mostrar enquanto digito as correspondências de todos os campos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear the contacts I used</source>
        <translation>Esquecer os contatos usados</translation>
    </message>
    <message>
        <source>Forgets which contacts you acted on through the bar and how often (kept in %1, used only to put them first among the matches)</source>
        <translation>Esquece com quais contatos você agiu pela barra e quantas vezes (guardado em %1, usado apenas para colocá-los primeiro entre as correspondências)</translation>
    </message>
    <message>
        <source>The bar</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>The folder %1 does not exist: the bar shows no contacts until it does. Choose an existing folder, or make this one.</source>
        <translation>A pasta %1 não existe: a barra não mostra contatos até que ela exista. Escolha uma pasta existente ou crie esta.</translation>
    </message>
</context>
<context>
    <name>SummonKeys</name>
    <message>
        <source>No key combination was given.</source>
        <translation>Nenhuma combinação de teclas foi informada.</translation>
    </message>
    <message>
        <source>%1 is not a modifier key (Ctrl, Alt, Shift or Meta).</source>
        <translation>%1 não é uma tecla modificadora (Ctrl, Alt, Shift ou Meta).</translation>
    </message>
    <message>
        <source>The combination needs a key besides the modifiers.</source>
        <translation>A combinação precisa de uma tecla além das modificadoras.</translation>
    </message>
    <message>
        <source>The key %1 cannot be used for the shortcut.</source>
        <translation>A tecla %1 não pode ser usada no atalho.</translation>
    </message>
    <message>
        <source>The combination needs Ctrl, Alt or Meta: otherwise typing %1 anywhere would summon the bar.</source>
        <translation>A combinação precisa de Ctrl, Alt ou Meta: senão, digitar %1 em qualquer lugar chamaria a barra.</translation>
    </message>
</context>
<context>
    <name>SummonShortcut</name>
    <message>
        <source>the shortcut was not accepted in the desktop&apos;s dialog</source>
        <translation>o atalho não foi aceito na janela da área de trabalho</translation>
    </message>
    <message>
        <source>the desktop portal refused it</source>
        <translation>o portal da área de trabalho o recusou</translation>
    </message>
    <message>
        <source>The desktop portal gives no shortcut: %1</source>
        <translation>O portal da área de trabalho não oferece atalhos: %1</translation>
    </message>
    <message>
        <source>The summon shortcut cannot be set: %1.</source>
        <translation>Não é possível definir o atalho para chamar a barra: %1.</translation>
    </message>
    <message>
        <source>The desktop did not give the summon shortcut a key combination (another program may hold it): choose one in the desktop&apos;s keyboard settings.</source>
        <translation>A área de trabalho não deu uma combinação de teclas ao atalho para chamar a barra (outro programa pode usá-la): escolha uma nas configurações de teclado da área de trabalho.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: %2</source>
        <translation>O atalho %1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>This desktop offers programs no shortcuts of their own: bind %1 to the command &quot;quintel&quot; in the desktop&apos;s keyboard settings.</source>
        <translation>Esta área de trabalho não oferece atalhos próprios aos programas: associe %1 ao comando &quot;quintel&quot; nas configurações de teclado da área de trabalho.</translation>
    </message>
    <message>
        <source>The shortcut %1 cannot be used: the keyboard has no such key.</source>
        <translation>O atalho %1 não pode ser usado: o teclado não tem essa tecla.</translation>
    </message>
    <message>
        <source>The shortcut %1 is taken by another program: choose another one in Quintel Setup.</source>
        <translation>O atalho %1 está em uso por outro programa: escolha outro na Configuração do Quintel.</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Cannot hide: this desktop has no notification area</source>
        <translation>Não é possível ocultar: esta área de trabalho não tem área de notificação</translation>
    </message>
    <message>
        <source>The notification area has gone: the bar is back</source>
        <translation>A área de notificação sumiu: a barra voltou</translation>
    </message>
    <message>
        <source>Show Quintel</source>
        <translation>Mostrar o Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup</source>
        <translation>Configuração do Quintel</translation>
    </message>
    <message>
        <source>Quintel Setup could not be started (%1)</source>
        <translation>Não foi possível iniciar a Configuração do Quintel (%1)</translation>
    </message>
    <message>
        <source>Last notes</source>
        <translation>Últimos avisos</translation>
    </message>
    <message>
        <source>Quit Quintel</source>
        <translation>Sair do Quintel</translation>
    </message>
    <message>
        <source>No notes</source>
        <translation>Nenhum aviso</translation>
    </message>
</context>
<context>
    <name>UrlLauncher</name>
    <message>
        <source>No mail program is set to open mailto: links. The mail was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Nenhum programa de e-mail está definido para abrir links mailto:. O e-mail não foi passado adiante.

Instale um (por exemplo o pacote %1) e escolha-o nas configurações da sua área de trabalho em Aplicativos padrão, ou execute:

    %2</translation>
    </message>
    <message>
        <source>No telephone program is set to open %3: links. The number was not handed on.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Nenhum programa de telefone está definido para abrir links %3:. O número não foi passado adiante.

Instale um (por exemplo o pacote %1) e escolha-o nas configurações da sua área de trabalho em Aplicativos padrão, ou execute:

    %2</translation>
    </message>
    <message>
        <source>No web browser is set to open web pages. The map was not opened.

Install one (for example the package %1), then choose it in your desktop&apos;s settings under default applications, or run:

    %2</source>
        <translation>Nenhum navegador da web está definido para abrir páginas da web. O mapa não foi aberto.

Instale um (por exemplo o pacote %1) e escolha-o nas configurações da sua área de trabalho em Aplicativos padrão, ou execute:

    %2</translation>
    </message>
</context>
<context>
    <name>VCardFolderStore</name>
    <message>
        <source>The address book folder %1 does not exist. Choose your address book in Quintel Setup.</source>
        <translation>A pasta do catálogo de endereços %1 não existe. Escolha o seu catálogo de endereços na Configuração do Quintel.</translation>
    </message>
    <message>
        <source>The address book folder %1 is gone; its contacts are back when it is.</source>
        <translation>A pasta do catálogo de endereços %1 sumiu; os contatos dela voltam quando ela voltar.</translation>
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
        <translation>Quintel: uma pequena barra de contatos sempre visível. Digite o nome de um contato e envie um e-mail, ligue ou escreva.</translation>
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

Opções:
  -h, --help     Mostrar esta ajuda e sair.
  -v, --version  Mostrar a versão e sair.
</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>a opção %1 precisa de um valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>Quintel Setup: the address book and mail account of the Quintel contact bar, and its start at login.</source>
        <translation>Configuração do Quintel: o catálogo de endereços e a conta de e-mail da barra de contatos Quintel, e sua inicialização ao entrar na sessão.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Please Wait - Finding Contacts...</source>
        <translation>Aguarde - procurando contatos...</translation>
    </message>
    <message>
        <source>The lock file %1 cannot be created.</source>
        <translation>O arquivo de trava %1 não pode ser criado.</translation>
    </message>
    <message>
        <source>Quintel is already running (process %1) but does not answer.</source>
        <translation>O Quintel já está em execução (processo %1), mas não responde.</translation>
    </message>
    <message>
        <source>Under Wayland, keeping the bar on top of other windows is up to the compositor.</source>
        <translation>No Wayland, manter a barra sobre as outras janelas depende do compositor.</translation>
    </message>
    <message>
        <source>Please Wait - Filtering Contacts...</source>
        <translation>Aguarde - filtrando contatos...</translation>
    </message>
    <message>
        <source>Close Quintel?</source>
        <translation>Fechar o Quintel?</translation>
    </message>
    <message>
        <source>Choose a contact to copy its address.</source>
        <translation>Escolha um contato para copiar o endereço.</translation>
    </message>
    <message>
        <source>This contact has no e-mail address.</source>
        <translation>Este contato não tem endereço de e-mail.</translation>
    </message>
    <message>
        <source>Copied: %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln contact(s)</source>
        <translation>
            <numerusform>%Ln contato</numerusform>
            <numerusform>%Ln contatos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Note:  With this option on, each contact&apos;s e-mail addresses are read whenever a name is typed in.</source>
        <translation>Observação:  com esta opção, os endereços de e-mail de cada contato são lidos sempre que um nome é digitado.</translation>
    </message>
    <message>
        <source>Too Many Categories</source>
        <translation>Categorias demais</translation>
    </message>
    <message>
        <source>Can&apos;t Add New Category</source>
        <translation>Não é possível adicionar outra categoria</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>You Can&apos;t Delete This Category</source>
        <translation>Esta categoria não pode ser excluída</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>General Preferences</source>
        <translation>Preferências gerais</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Only enable Email Buttons if Contact has Email Address</source>
        <translation>Botões de e-mail só se o contato tiver endereço</translation>
    </message>
    <message>
        <source>Categories </source>
        <translation>Categorias </translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>New category</source>
        <translation>Nova categoria</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>A small contact bar for the desktop.</source>
        <translation>Uma pequena barra de contatos para a área de trabalho.</translation>
    </message>
    <message>
        <source>Quintel logo</source>
        <translation>Logotipo do Quintel</translation>
    </message>
    <message>
        <source>Quintel icon</source>
        <translation>Ícone do Quintel</translation>
    </message>
</context>
<context>
    <name>layout</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Hide to tray</source>
        <translation>Ocultar na área de notificação</translation>
    </message>
    <message>
        <source>Write letter</source>
        <translation>Escrever uma carta</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>CANCELAR</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Quick e-mail</source>
        <translation>E-mail rápido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>LIMPAR</translation>
    </message>
    <message>
        <source>SEND</source>
        <translation>ENVIAR</translation>
    </message>
    <message>
        <source>Change size</source>
        <translation>Mudar o tamanho</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>View contact</source>
        <translation>Ver o contato</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>Assunto</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Mail text</source>
        <translation>Texto do e-mail</translation>
    </message>
    <message>
        <source>Matching contacts</source>
        <translation>Contatos correspondentes</translation>
    </message>
    <message>
        <source>Contact name</source>
        <translation>Nome do contato</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatos</translation>
    </message>
    <message>
        <source>No contact found</source>
        <translation>Nenhum contato encontrado</translation>
    </message>
    <message>
        <source>Contact found</source>
        <translation>Contato encontrado</translation>
    </message>
    <message>
        <source>Number of contacts</source>
        <translation>Número de contatos</translation>
    </message>
</context>
<context>
    <name>quintel-contacts</name>
    <message>
        <source>Lists the contact items of Quintel&apos;s address book, as the contact bar sees them.
Exit status: 0 all read; 1 some cards or files skipped (see stderr); 2 nothing listed.</source>
        <translation>Lista os contatos do catálogo de endereços do Quintel, como a barra de contatos os vê.
Status de saída: 0 tudo lido; 1 alguns cartões ou arquivos ignorados (veja stderr); 2 nada listado.</translation>
    </message>
    <message>
        <source>One JSON object per item and line.</source>
        <translation>Um objeto JSON por item e linha.</translation>
    </message>
    <message>
        <source>Only the items the filter keeps, e.g. [Categories] = &quot;Work&quot;.</source>
        <translation>Só os itens que o filtro mantém, p. ex. [Categories] = &quot;Work&quot;.</translation>
    </message>
    <message>
        <source>One address book, written as in the Books setting: a folder, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. With --backend eds: the desktop&apos;s address book by name or UID (several: separated by &quot;;&quot;).</source>
        <translation>Um catálogo de endereços, escrito como na configuração Books: uma pasta, vcard:FOLDER, thunderbird[:PROFILE or FILE], carddav. Com --backend eds: o catálogo da área de trabalho por nome ou UID (vários: separados por &quot;;&quot;).</translation>
    </message>
    <message>
        <source>The back-end to read, as a book of the Books setting names it (vcard, thunderbird, carddav, eds). Default: the configured address books.</source>
        <translation>O tipo de fonte a ler, como um catálogo da configuração Books o chama (vcard, thunderbird, carddav, eds). Padrão: os catálogos configurados.</translation>
    </message>
    <message>
        <source>With --backend eds: the desktop&apos;s address books with their contact counts.</source>
        <translation>Com --backend eds: os catálogos da área de trabalho com o número de contatos.</translation>
    </message>
    <message>
        <source>Longest wait for the desktop&apos;s address book, in seconds (default 15).</source>
        <translation>Espera máxima pelo catálogo da área de trabalho, em segundos (padrão 15).</translation>
    </message>
    <message>
        <source>A folder of .vcf files or a vdir root with one folder per collection (default: the configured address books).</source>
        <translation>Uma pasta de arquivos .vcf ou uma raiz vdir com uma pasta por coleção (padrão: os catálogos configurados).</translation>
    </message>
    <message>
        <source>Only the contacts the words find, as the bar&apos;s list of matches finds them (every word begins a word of a name, nickname, organisation, title, e-mail address, category, city or postal code, or is part of a number; accents and letter case ignored), in its order.</source>
        <translation>Apenas os contatos que as palavras encontram, como a lista de correspondências da barra os encontra (cada palavra começa uma palavra de um nome, apelido, organização, cargo, endereço de e-mail, categoria, cidade ou CEP, ou é parte de um número; acentos e maiúsculas ignorados), na sua ordem.</translation>
    </message>
    <message>
        <source>Changes the contact with this entry ID (as the listing prints it) by the --value options.</source>
        <translation>Altera o contato com este ID de entrada (como a listagem o mostra) segundo as opções --value.</translation>
    </message>
    <message>
        <source>Adds a contact made of the --value options to the address book.</source>
        <translation>Adiciona ao catálogo de endereços um contato feito das opções --value.</translation>
    </message>
    <message>
        <source>Deletes the contact with this entry ID; its card is kept in ~/.local/share/Quintel/deleted-contacts.</source>
        <translation>Exclui o contato com este ID de entrada; seu cartão é guardado em ~/.local/share/Quintel/deleted-contacts.</translation>
    </message>
    <message>
        <source>PROPERTY=VALUE, PROPERTY a name the listing prints (FullName, Email1Address, MobileTelephoneNumber, HomeAddress as street;city;region;postal code;country, Categories as a comma list, …); an empty VALUE removes it. Repeatable.</source>
        <translation>PROPERTY=VALUE, sendo PROPERTY um nome que a listagem mostra (FullName, Email1Address, MobileTelephoneNumber, HomeAddress como rua;cidade;região;CEP;país, Categories como lista separada por vírgulas, …); uma VALUE vazia a remove. Pode ser repetido.</translation>
    </message>
    <message>
        <source>List a server&apos;s book (CardDAV, LDAP) from its copy at once, without bringing the copy up to date.</source>
        <translation>Listar de imediato o catálogo de um servidor (CardDAV, LDAP) a partir da sua cópia, sem atualizar a cópia.</translation>
    </message>
</context>
</TS>
