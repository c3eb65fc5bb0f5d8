#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include <csignal>

namespace {
QString folderOverride;
QDateTime pinnedNow;
QSize pinnedScreen;
std::function<void(const QString&)> opener;
} // namespace

QString ProgramFolder::path()
{
    if (!folderOverride.isEmpty())
        return folderOverride;
    return QCoreApplication::applicationDirPath();
}

QString ProgramFolder::file(const QString& name)
{
    return path() + QLatin1Char('/') + name;
}

void ProgramFolder::set(const QString& folder)
{
    folderOverride = folder;
}

QDate Clock::today()
{
    return pinnedNow.isValid() ? pinnedNow.date() : QDate::currentDate();
}

QTime Clock::timeOfDay()
{
    return pinnedNow.isValid() ? pinnedNow.time() : QTime::currentTime();
}

void Clock::pin(const QDateTime& when)
{
    pinnedNow = when;
}

QSize ScreenSize::get()
{
    if (!pinnedScreen.isEmpty())
        return pinnedScreen;
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize();
}

void ScreenSize::pin(const QSize& size)
{
    pinnedScreen = size;
}

QUrl TMisc::urlFor(const QString& sCommand)
{
    QString s = sCommand.trimmed();
    // File paths arrive enclosed in double quotes.
    if (s.size() >= 2 && s.startsWith(QLatin1Char('"')) && s.endsWith(QLatin1Char('"')))
        s = s.mid(1, s.size() - 2);
    const QUrl url(s, QUrl::TolerantMode);
    // A drive letter ("C:/...") parses as a one-letter scheme: it is a path.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(s);
}

void TMisc::Open(const QString& sCommand)
{
    if (opener) {
        opener(sCommand);
        return;
    }
    QDesktopServices::openUrl(urlFor(sCommand));
}

void TMisc::setOpener(std::function<void(const QString&)> o)
{
    opener = std::move(o);
}

void ProcessStart::prepare()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}
