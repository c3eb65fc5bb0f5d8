#pragma once

#include "ScriptedDialogs.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <functional>

// A fresh, empty program folder for one test, removed afterwards.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

private:
    QTemporaryDir dir_;
};

// Runs fn on the next modal window that opens (polled from the event loop),
// so a test can drive a window that a click shows with exec().
void onNextModal(std::function<void(QWidget*)> fn, int timeoutMs = 5000);

// Finds a named child or fails the test.
template <typename T> T* child(QObject* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        QTest::qFail(qPrintable(QStringLiteral("no child named ") + name), __FILE__, __LINE__);
    return w;
}

// Every test suite starts here: offscreen platform, scripted dialogs, and a
// shell opener that records instead of opening. Suites check in cleanup()
// that every expected dialog was shown: QVERIFY(testDialogs().verify()).
int runTessariaTest(int argc, char** argv, QObject* suite);
QStringList& openedByShell();

// Whether pdftotext (poppler-utils) is installed, and the text it reads from
// a PDF file, laid out as printed, pages separated by form feeds; empty when
// it fails.
bool hasPdfToText();
QString pdfText(const QString& path);

// The offscreen screens a suite runs on, a JSON array's items, the first one
// primary: by default a 1920 x 1080 desktop, where every window has its
// design size. Called before the application object exists.
inline constexpr const char* DesktopScreen
    = R"({"name":"desktop","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"dpr":1})";
void useOffscreenScreens(const char* screens);

#define TESSARIA_TEST_MAIN_ON(Suite, screens)                                                                          \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        useOffscreenScreens(screens);                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        Suite suite;                                                                                                   \
        return runTessariaTest(argc, argv, &suite);                                                                    \
    }
#define TESSARIA_TEST_MAIN(Suite) TESSARIA_TEST_MAIN_ON(Suite, DesktopScreen)
