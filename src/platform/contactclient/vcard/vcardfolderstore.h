#pragma once
// The vCard folder back-end: a folder of .vcf files (vdir layout).

#include "contactclient/store.h"

class SettingsStore;

namespace contactclient {

// The folder named in the contact client's section (key "Folder"), else ~/.local/share/contacts.
std::shared_ptr<Store> createVCardFolderStore(const SettingsStore& settings);
std::shared_ptr<Store> createVCardFolderStore(const QString& folder);

} // namespace contactclient
