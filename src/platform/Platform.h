#pragma once

#include <QDate>
#include <QDateTime>
#include <QSize>
#include <QString>
#include <QTime>
#include <QUrl>

#include <functional>

// The program folder: the folder of the running executable. Every file the
// program keeps lives there. Tests point it at a temporary folder.
class ProgramFolder {
public:
    static QString path();
    // path() + "/" + name
    static QString file(const QString& name);
    static void set(const QString& folder); // empty: back to the executable's folder
};

// Today's date and the time of day. Tests pin them.
class Clock {
public:
    static QDate today();
    static QTime timeOfDay();
    static void pin(const QDateTime& when); // invalid: back to the real clock
};

// The size of the screen in logical pixels: the primary screen's. Tests pin it.
class ScreenSize {
public:
    static QSize get();
    static void pin(const QSize& size); // empty: back to the real screen
};

// Hands a file path (in double quotes), a web address or a "mailto:" text to
// the desktop's open action. Reports nothing: when nothing can open the
// argument, nothing visible happens.
class TMisc {
public:
    static void Open(const QString& sCommand);
    // Replaces the desktop hand-over (tests record the calls); empty: back to the desktop.
    static void setOpener(std::function<void(const QString&)> opener);
    // The URL the desktop receives for sCommand.
    static QUrl urlFor(const QString& sCommand);
};

// What the process sets up before its first window.
class ProcessStart {
public:
    // A write past the process's file-size limit (ulimit -f) raises SIGXFSZ,
    // which would end the program without a word and lose the picture on
    // screen. Ignored, such a write fails like any other (EFBIG), and the
    // program's failure paths say so. Nothing to do where there is no such
    // signal.
    static void prepare();
};
