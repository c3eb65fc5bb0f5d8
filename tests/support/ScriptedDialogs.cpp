#include "ScriptedDialogs.h"

#include <QTest>

namespace {
const char* nameOf(ScriptedDialogs::What w)
{
    switch (w) {
    case ScriptedDialogs::What::Message:
        return "message";
    case ScriptedDialogs::What::Plain:
        return "plain message";
    case ScriptedDialogs::What::Question:
        return "question";
    case ScriptedDialogs::What::OpenFile:
        return "open-file dialog";
    case ScriptedDialogs::What::SaveFile:
        return "save-file dialog";
    case ScriptedDialogs::What::Print:
        return "print dialog";
    }
    return "?";
}

void fail(const QString& why)
{
    QTest::qFail(qPrintable(why), __FILE__, __LINE__);
}
} // namespace

QString visible(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("<LF>");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("<CR>");
        else
            out += c;
    }
    return out;
}

ScriptedDialogs& testDialogs()
{
    static ScriptedDialogs d;
    return d;
}

void ScriptedDialogs::expectMessage(Kind kind, const QString& text)
{
    expected_.append({What::Message, kind, text, Answer::Ok, {}, false, {}});
}

void ScriptedDialogs::expectPlain(const QString& text)
{
    expected_.append({What::Plain, Kind::Information, text, Answer::Ok, {}, false, {}});
}

void ScriptedDialogs::expectQuestion(const QString& text, Answer answer)
{
    expected_.append({What::Question, Kind::Confirmation, text, answer, {}, false, {}});
}

void ScriptedDialogs::expectOpenFile(const QString& answer)
{
    expected_.append({What::OpenFile, Kind::Information, {}, Answer::Ok, answer, false, {}});
}

void ScriptedDialogs::expectSaveFile(const QString& answer)
{
    expected_.append({What::SaveFile, Kind::Information, {}, Answer::Ok, answer, false, {}});
}

void ScriptedDialogs::expectPrint(bool accept, std::function<void(QPrinter*)> prepare)
{
    expected_.append({What::Print, Kind::Information, {}, Answer::Ok, {}, accept, std::move(prepare)});
}

bool ScriptedDialogs::verify()
{
    if (expected_.isEmpty())
        return true;
    QString left;
    for (const auto& e : expected_)
        left += QStringLiteral("\n  %1 \"%2\"").arg(QLatin1String(nameOf(e.what)), visible(e.text));
    fail(QStringLiteral("expected dialogs never shown:") + left);
    expected_.clear();
    return false;
}

void ScriptedDialogs::reset()
{
    expected_.clear();
    calls.clear();
}

bool ScriptedDialogs::take(What what, Expected& out, const QString& describe)
{
    if (expected_.isEmpty()) {
        fail(QStringLiteral("unexpected %1: \"%2\"").arg(QLatin1String(nameOf(what)), visible(describe)));
        return false;
    }
    out = expected_.takeFirst();
    if (out.what != what) {
        fail(QStringLiteral("expected a %1 \"%2\", got a %3 \"%4\"")
                 .arg(QLatin1String(nameOf(out.what)), visible(out.text), QLatin1String(nameOf(what)),
                     visible(describe)));
        return false;
    }
    return true;
}

Dialogs::Answer ScriptedDialogs::message(QWidget*, Kind kind, const QString& text)
{
    calls.append({What::Message, kind, text, {}});
    Expected e;
    if (!take(What::Message, e, text))
        return Answer::Cancel;
    if (e.text != text || e.kind != kind)
        fail(QStringLiteral("message differs:\n  expected (kind %1) \"%2\"\n  actual   (kind %3) \"%4\"")
                 .arg(int(e.kind))
                 .arg(visible(e.text))
                 .arg(int(kind))
                 .arg(visible(text)));
    return Answer::Ok;
}

void ScriptedDialogs::plain(QWidget*, const QString& text)
{
    calls.append({What::Plain, Kind::Information, text, {}});
    Expected e;
    if (!take(What::Plain, e, text))
        return;
    if (e.text != text)
        fail(QStringLiteral("plain message differs:\n  expected \"%1\"\n  actual   \"%2\"")
                 .arg(visible(e.text), visible(text)));
}

Dialogs::Answer ScriptedDialogs::question(QWidget*, const QString& text)
{
    calls.append({What::Question, Kind::Confirmation, text, {}});
    Expected e;
    if (!take(What::Question, e, text))
        return Answer::No;
    if (e.text != text)
        fail(QStringLiteral("question differs:\n  expected \"%1\"\n  actual   \"%2\"")
                 .arg(visible(e.text), visible(text)));
    return e.answer;
}

QString ScriptedDialogs::openFile(QWidget*, const FileDialogSpec& spec)
{
    calls.append({What::OpenFile, Kind::Information, spec.title, spec});
    Expected e;
    if (!take(What::OpenFile, e, spec.title))
        return {};
    return e.fileAnswer;
}

QString ScriptedDialogs::saveFile(QWidget*, const FileDialogSpec& spec)
{
    calls.append({What::SaveFile, Kind::Information, spec.title, spec});
    Expected e;
    if (!take(What::SaveFile, e, spec.title))
        return {};
    return e.fileAnswer;
}

bool ScriptedDialogs::print(QWidget*, QPrinter* printer)
{
    calls.append({What::Print, Kind::Information, {}, {}});
    Expected e;
    if (!take(What::Print, e, QStringLiteral("print")))
        return false;
    if (e.prepare)
        e.prepare(printer);
    return e.accept;
}
