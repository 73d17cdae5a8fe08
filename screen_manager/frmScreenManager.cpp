#include "screen_manager/frmScreenManager.h"

// Placeholder so the main window can build while the Screen Manager is written.
frmScreenManager::frmScreenManager(Workspace&, ScreenEditor&, const PictureLibrary&,
                                   QWidget* parent)
    : QDialog(parent) {}
frmScreenManager::~frmScreenManager() = default;
