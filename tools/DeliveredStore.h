#pragma once

#include <QString>

// The password store that comes with the program: the first-access keyword,
// in upper case and scrambled, in "unins000.dll".
inline constexpr char FirstAccessPassword[] = "girasolemarino";

enum class Delivery { Written, AlreadyThere, Failed };

// Writes the store into folder unless one is there already: a store that
// exists holds the user's password and is never replaced. Leaves the
// program folder (ProgramFolder) at its default.
Delivery deliverStore(const QString& folder);
