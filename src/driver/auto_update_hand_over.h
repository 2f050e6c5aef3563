// The hand-over at the start of an automatic update: the main program that started the setup
// is given a few seconds to end before its files are replaced.
#pragma once

namespace driver {

// The word with which the main program starts the setup for its own update.
inline constexpr const char* kAutoUpdateWord = "AutoUpDate_from_MainInstance";

inline constexpr const char* kHandOverTitle = "QVDLumorak - AutoUpdater ...";
inline constexpr const char* kHandOverMessage =
    "Das automatische Update von <QVDLumorak> wurde gestartet. Bitte haben Sie einen Moment "
    "Geduld, die Hauptinstanz wird sicher beendet.";

// 1 when the setup was started with the word as its first argument and has shown the hand-over
// window for its wait; 0 (normal mode) otherwise.
int AwaitMainInstanceExit();

}  // namespace driver
