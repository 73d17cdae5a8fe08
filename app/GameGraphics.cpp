#include "app/GameGraphics.h"

#include "editor/PictureLibrary.h"
#include "editor/RomPictures.h"
#include "editor/ScreenEditor.h"
#include "rom/RomImage.h"

#include <kiv/Error.h>

#include <QAction>

GameGraphics::GameGraphics(PictureLibrary& pictures, ScreenEditor& editor, QObject* parent)
    : QObject(parent), pictures(pictures), editor(editor),
      mnuViewGameGraphics(new QAction(QStringLiteral("&Game graphics"), this)) {
    mnuViewGameGraphics->setObjectName(QStringLiteral("mnuViewGameGraphics"));
    mnuViewGameGraphics->setCheckable(true);
    mnuViewGameGraphics->setChecked(true);
    pictures.setSource(PictureLibrary::Source::Rom);
    connect(mnuViewGameGraphics, &QAction::toggled, this, &GameGraphics::mnuViewGameGraphics_Click);
}

void GameGraphics::useRom(const std::string& path) {
    try {
        pictures.setRomPictures(
            rompictures::objectPictures(rom::RomImage::fromFile(path), pictures));
    } catch (const kiv::Error&) {
        pictures.setRomPictures({});
    }
}

void GameGraphics::mnuViewGameGraphics_Click(bool checked) {
    pictures.setSource(checked ? PictureLibrary::Source::Rom : PictureLibrary::Source::Bundled);
    editor.refreshPictures();
}
