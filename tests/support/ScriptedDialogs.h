#pragma once

#include "dialogs/Dialogs.h"

#include <QList>
#include <QString>

#include <functional>

// Dialogs for tests: every call is recorded with its kind and exact text and
// answered from a script. A dialog the test did not expect, or one whose text
// differs from the expected one, fails the running test.
class ScriptedDialogs : public Dialogs {
public:
    enum class What { Message, Plain, Question, OpenFile, SaveFile, Print };

    struct Call {
        What what;
        Kind kind = Kind::Information; // messages only
        QString text; // messages: the text; file dialogs: the title
        FileDialogSpec file; // file dialogs only
    };

    // Expectations, consumed in order.
    void expectMessage(Kind kind, const QString& text);
    void expectPlain(const QString& text);
    void expectQuestion(const QString& text, Answer answer);
    void expectOpenFile(const QString& answer); // empty: cancelled
    void expectSaveFile(const QString& answer); // empty: cancelled
    void expectPrint(bool accept, std::function<void(QPrinter*)> prepare = {});

    // True when every expectation was met; reports what is left otherwise.
    bool verify();
    void reset();

    QList<Call> calls;

    Answer message(QWidget* parent, Kind kind, const QString& text) override;
    void plain(QWidget* parent, const QString& text) override;
    Answer question(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const FileDialogSpec& spec) override;
    QString saveFile(QWidget* parent, const FileDialogSpec& spec) override;
    bool print(QWidget* parent, QPrinter* printer) override;

private:
    struct Expected {
        What what;
        Kind kind = Kind::Information;
        QString text;
        Answer answer = Answer::Ok;
        QString fileAnswer;
        bool accept = false;
        std::function<void(QPrinter*)> prepare;
    };
    bool take(What what, Expected& out, const QString& describe);
    QList<Expected> expected_;
};

// The scripted dialogs every test runs with (installed by TESSARIA_TEST_MAIN).
ScriptedDialogs& testDialogs();

// Readable form of a text with control characters: "a\n\rb" -> "a<LF><CR>b".
QString visible(const QString& text);
