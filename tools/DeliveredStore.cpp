#include "DeliveredStore.h"

#include "app/PasswordStore.h"
#include "platform/Platform.h"

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
