#pragma once

#include "help/HelpDialog.h"
#include "help/HelpTopics.h"

class QLabel;
class QPlainTextEdit;

// The help window: one topic (title and text) and the way to the printable
// guide, "Guida.pdf" in the program folder.
class TfrmGuida : public HelpDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {670, 572};
    static constexpr QSize PanelSize {642, 540};
    static QString FileGuida() { return QStringLiteral("Guida.pdf"); }

    explicit TfrmGuida(QWidget* owner = nullptr);

    void MostraArgomento(const HelpTopic& argomento);

    // Opens a help window owned by `owner` on `argomento`, modally, and
    // returns when it has closed and gone.
    static void Mostra(QWidget* owner, const HelpTopic& argomento);

public Q_SLOTS:
    void lnkWebClick() override;

private:
    QLabel* lblTitolo = nullptr;
    QPlainTextEdit* txtGuida = nullptr;
};
