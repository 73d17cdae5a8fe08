#pragma once

#include <QString>

// Where the program reads its object catalogue, Objects.txt: beside the program (a build tree, or
// a copy kept with the program) or else in the installed data folder, found relative to the
// program's folder (<prefix>/share/tarnwick beside <prefix>/bin) so a moved prefix still works.
//
// When neither holds the file, the answer is the place it belongs: the data folder of an
// installed program (one whose data folder exists), otherwise the program's own folder. The
// message about a missing catalogue then names that place.
QString catalogueFile(const QString& programFolder);
