#include "editor/ScreenEditor.h"

// Placeholder so the layers above can build while the editor is written.
ScreenEditor::ScreenEditor(Workspace& workspace, const PictureLibrary& pictures, Dialogs& dialogs,
                           QWidget* parent)
    : QWidget(parent), ws(workspace), pictures(pictures), dialogs(dialogs) {}
ScreenEditor::~ScreenEditor() = default;
void ScreenEditor::enableEditing() {}
void ScreenEditor::selectFirstLevel() {}
QString ScreenEditor::levelText() const { return QStringLiteral("1-1"); }
std::string ScreenEditor::level() const { return "11"; }
std::string ScreenEditor::screen() const { return {}; }
void ScreenEditor::cmbLevel_Click() {}
void ScreenEditor::cmbScreen_Click() {}
void ScreenEditor::picEditor_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPointF) {}
void ScreenEditor::picEditor_KeyDown(int, Qt::KeyboardModifiers) {}
void ScreenEditor::cmdUndo_Click() {}
void ScreenEditor::cmdClear_Click() {}
void ScreenEditor::cmdEraser_Click() {}
void ScreenEditor::mnuPopupLeftButton_Click() {}
void ScreenEditor::mnuPopupRightButton_Click() {}
void ScreenEditor::redraw() {}
