#include "dialogs/Dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {
Dialogs* installed = nullptr;

QString titleOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QStringLiteral("Informazione");
    case Dialogs::Kind::Warning:
        return QStringLiteral("Attenzione");
    case Dialogs::Kind::Error:
        return QStringLiteral("Errore");
    case Dialogs::Kind::Confirmation:
        return QStringLiteral("Conferma");
    }
    return {};
}

QMessageBox::Icon iconOf(Dialogs::Kind kind)
{
    switch (kind) {
    case Dialogs::Kind::Information:
        return QMessageBox::Information;
    case Dialogs::Kind::Warning:
        return QMessageBox::Warning;
    case Dialogs::Kind::Error:
        return QMessageBox::Critical;
    case Dialogs::Kind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Our texts separate paragraphs with CR/LF pairs in either order; a rich
// message box would show stray boxes for CR, so show them as plain lines.
QString shown(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}
} // namespace

QString qtFileFilter(const QString& filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        QStringList patterns;
        for (const QString& p : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            if (!pattern.isEmpty())
                patterns << (pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
        }
        // The dialog reads the patterns from the brackets at the end of the
        // description, separated by blanks.
        if (description.endsWith(QLatin1Char(')'))) {
            const int open = description.lastIndexOf(QLatin1Char('('));
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        entries << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

Dialogs::~Dialogs() = default;

Dialogs& Dialogs::current()
{
    static RealDialogs real;
    return installed ? *installed : real;
}

void Dialogs::install(Dialogs* d)
{
    installed = d;
}

Dialogs::Answer RealDialogs::message(QWidget* parent, Kind kind, const QString& text)
{
    QMessageBox box(iconOf(kind), titleOf(kind), shown(text), QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void RealDialogs::plain(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tessaria 3.0"), shown(text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Dialogs::Answer RealDialogs::question(QWidget* parent, const QString& text)
{
    QMessageBox box(
        QMessageBox::Question, titleOf(Kind::Confirmation), shown(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString RealDialogs::openFile(QWidget* parent, const FileDialogSpec& spec)
{
    QFileDialog dlg(parent, spec.title, QString(), qtFileFilter(spec.filter));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().constFirst();
}

QString RealDialogs::saveFile(QWidget* parent, const FileDialogSpec& spec)
{
    QFileDialog dlg(parent, spec.title, QString(), qtFileFilter(spec.filter));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    if (!spec.defaultSuffix.isEmpty())
        dlg.setDefaultSuffix(spec.defaultSuffix);
    if (!spec.proposedName.isEmpty())
        dlg.selectFile(spec.proposedName);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !spec.askOverwrite);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().constFirst();
}

bool RealDialogs::print(QWidget* parent, QPrinter* printer)
{
    QPrintDialog dlg(printer, parent);
    return dlg.exec() == QDialog::Accepted;
}
