#include "TestSupport.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>

TempProgramFolder::TempProgramFolder()
{
    ProgramFolder::set(dir_.path());
}

TempProgramFolder::~TempProgramFolder()
{
    ProgramFolder::set(QString());
}

void useOffscreenScreens(const char* screens)
{
    // The platform reads the file when the application starts.
    static QTemporaryFile file;
    if (!file.open())
        return;
    file.write(QByteArray(R"({"screens":[)") + screens + "]}");
    file.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file.fileName()));
}

void onNextModal(std::function<void(QWidget*)> fn, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, fn, started, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            fn(modal);
        } else if (started->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            QTest::qFail("no modal window appeared", __FILE__, __LINE__);
        }
    });
    timer->start();
}

QStringList& openedByShell()
{
    static QStringList list;
    return list;
}

int runTessariaTest(int argc, char** argv, QObject* suite)
{
    Dialogs::install(&testDialogs());
    TMisc::setOpener([](const QString& s) { openedByShell().append(s); });
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    return QTest::qExec(suite, argc, argv);
}

bool hasPdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
        {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}
