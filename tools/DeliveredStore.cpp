#include "DeliveredStore.h"

#include "PasswordStore.h"
#include "Platform.h"

#include <QDir>
#include <QFileInfo>

Delivery deliverStore(const QString& folder)
{
    ProgramFolder::set(folder);
    Delivery result = Delivery::AlreadyThere;
    if (!QFileInfo::exists(PasswordStore::path())) {
        const bool ok = QDir().mkpath(folder) && PasswordStore::storePassword(QString::fromLatin1(FirstAccessPassword));
        result = ok ? Delivery::Written : Delivery::Failed;
    }
    ProgramFolder::set(QString());
    return result;
}
