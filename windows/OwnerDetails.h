#pragma once
// The details that the game's owner supplies, kept in this one place: the
// maker's web address and the people named on the credits window. The values
// below are placeholders until the owner gives the real ones.

#include <QString>

namespace owner {

// The maker's home page: the browser's starting address, the initial text of
// its address box and its banner.
inline const QString MakerAddress = QStringLiteral("https://quintrel.example.org/");

// Where the browser's Home and Search buttons go.
inline const QString HomeAddress = MakerAddress;
inline const QString SearchAddress = QStringLiteral("https://duckduckgo.com/");

// The credits window.
inline const QString Author = QStringLiteral("Author Name");
inline const QString PlayTester1 = QStringLiteral("Play-tester One");
inline const QString PlayTester2 = QStringLiteral("Play-tester Two");
inline const QString SkullArtist = QStringLiteral("Artist Name");
inline const QString SkullArtistEmail = QStringLiteral("artist@example.org");

} // namespace owner
