#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Dates as the cards keep them ("dd/mm/yyyy") and how far a due date is.
namespace BillDates {

// The date a card's field says, or none when it is empty, not of the form
// dd/mm/yyyy, or impossible (31/02/2024). Blanks around it are ignored.
std::optional<QDate> parse(QStringView text);

// Days due below which a bill counts as near: from today to today + 15,
// both included.
inline constexpr int NearDays = 15;

enum class Due {
    Late, // the due date is past
    Near, // due today or within NearDays
    Later, // due further on
    Undated, // no valid due date
};

// How `due` stands on `today`.
Due dueOf(const std::optional<QDate>& due, const QDate& today);

// "Scaduta da 3 giorni", "Scaduta da 1 giorno", "Scade oggi", "Scade domani",
// "Scade tra 9 giorni", "Senza scadenza".
QString dueText(const std::optional<QDate>& due, const QDate& today);

} // namespace BillDates
