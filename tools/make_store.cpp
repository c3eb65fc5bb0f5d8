// tessaria_make_store <program folder>
// Puts the delivered password store into the program folder, unless the
// folder has one already.

#include "DeliveredStore.h"
#include "app/PasswordStore.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaria_make_store <program folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QByteArray where = (folder + QLatin1Char('/') + PasswordStore::fileName()).toLocal8Bit();
    switch (deliverStore(folder)) {
    case Delivery::Written:
        std::printf("written: %s\n", where.constData());
        return 0;
    case Delivery::AlreadyThere:
        std::printf("kept: %s\n", where.constData());
        return 0;
    case Delivery::Failed:
        break;
    }
    std::fprintf(stderr, "cannot write %s\n", where.constData());
    return 1;
}
