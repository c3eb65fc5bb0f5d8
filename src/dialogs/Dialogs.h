#pragma once

#include <QString>

class QWidget;
class QPrinter;

// What a file dialog is asked to show.
struct FileDialogSpec {
    QString title;
    // Either Qt's form, "JPEG (*.jpg);;Bitmap (*.bmp)", or description and
    // pattern pairs separated by bars, "File Jpeg (*.jpg)|*.jpg".
    QString filter;
    QString proposedName; // save dialogs: the name offered in the box
    QString defaultSuffix; // save dialogs: added when the user types none, without the dot
    bool askOverwrite = true;
};

// A filter of description and pattern pairs separated by bars, in the form
// the file dialogs take: "Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg" gives
// "Immagine JPEG (*.jpg *.jpeg)". The patterns shown in brackets are the real
// ones, and "*.*" means every file, with or without a dot. A filter without
// bars is returned as it is.
QString qtFileFilter(const QString& filter);

// Every modal question and message of the program goes through here, so the
// program uses the real boxes and the tests a scripted stand-in that records
// each one with its exact text.
class Dialogs {
public:
    enum class Kind { Information, Warning, Error, Confirmation };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs();

    // Message of a kind with the buttons OK and Cancel (archive screen and the
    // dialogs it opens). Callers do not look at the answer.
    virtual Answer message(QWidget* parent, Kind kind, const QString& text) = 0;
    // Plain message box: no icon, one OK button (login, search, export...).
    virtual void plain(QWidget* parent, const QString& text) = 0;
    // Confirmation with Yes and No.
    virtual Answer question(QWidget* parent, const QString& text) = 0;
    // Empty result: the user cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogSpec& spec) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogSpec& spec) = 0;
    // The system print dialog; true when the user confirmed.
    virtual bool print(QWidget* parent, QPrinter* printer) = 0;

    // The instance in force; the real dialogs unless one was installed.
    static Dialogs& current();
    // Installs d (not owned); nullptr goes back to the real dialogs.
    static void install(Dialogs* d);
};

// The real boxes: QMessageBox, QFileDialog, QPrintDialog.
class RealDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, Kind kind, const QString& text) override;
    void plain(QWidget* parent, const QString& text) override;
    Answer question(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const FileDialogSpec& spec) override;
    QString saveFile(QWidget* parent, const FileDialogSpec& spec) override;
    bool print(QWidget* parent, QPrinter* printer) override;
};
