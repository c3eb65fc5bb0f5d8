#pragma once

#include "help/HelpDialog.h"

#include <QUrl>

// The information window: what the program is and who makes it, with a link
// that starts an e-mail to the maker.
class TfrmInfo : public HelpDialog {
    Q_OBJECT
public:
    static constexpr QSize ClientSize {473, 579};
    static constexpr QSize PanelSize {445, 551};

    explicit TfrmInfo(QWidget* owner = nullptr);

    // The new e-mail the link starts: to the maker, subject and body filled in.
    static QUrl IndirizzoEmail();

    // Opens the window owned by `owner`, modally; returns when it has gone.
    static void Mostra(QWidget* owner);

public Q_SLOTS:
    void lnkWebClick() override;
};
