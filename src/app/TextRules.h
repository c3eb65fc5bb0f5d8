#pragma once

#include <QString>

// How the login and change-password windows clean and compare what is typed.

// Without the leading and trailing characters whose code is 32 or less.
QString trimmedText(const QString& text);

// Letters a to z turned to A to Z; every other character, accented letters
// included, keeps its case.
QString upperAtoZ(const QString& text);
