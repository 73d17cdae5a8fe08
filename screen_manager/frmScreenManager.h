#pragma once

#include <QDialog>

class PictureLibrary;
class ScreenEditor;
struct Workspace;

// The Screen Manager: screen order, enemies, power-ups and pipes of the main window's current
// level. Shown modally; when it closes it writes the changed tabs into the level document,
// raises the workspace's sm* flags and runs the main editor's cmbLevel_Click.
class frmScreenManager : public QDialog {
    Q_OBJECT

public:
    frmScreenManager(Workspace& workspace, ScreenEditor& mainEditor, const PictureLibrary& pictures,
                     QWidget* parent = nullptr);
    ~frmScreenManager() override;
};
