#include "platform/FormDialog.h"

#include <QPushButton>
#include <QShowEvent>

#include "platform/DiscardChanges.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"

void FormDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) RunGuarded([this] { FormShow(); });
}

EditorForm::EditorForm(QWidget* parent, const char* name, const QString& caption, int helpContext,
                       Deletes deletes)
    : FormDialog(parent) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(caption);
  if (helpContext != 0) Help::setContext(this, helpContext);
  BtnSave = MakeFormButton("BtnSave", tr("Save"), this);
  if (deletes == Deletes::Yes) BtnDelete = MakeFormButton("BtnDelete", tr("Delete"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);
  if (helpContext != 0) BitBtn1 = Help::makeButton(this, helpContext, "BitBtn1");
  connect(BtnSave, &QPushButton::clicked, this, Guarded(this, &EditorForm::BtnSaveClick));
  if (BtnDelete) connect(BtnDelete, &QPushButton::clicked, this, Guarded(this, &EditorForm::BtnDeleteClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &EditorForm::BtnCancelClick));
}

void EditorForm::BtnCancelClick() { closeUnasked(); }

void EditorForm::showEvent(QShowEvent* event) {
  FormDialog::showEvent(event);
  if (!event->spontaneous()) shownState_ = ControlsState(this);
}

QString EditorForm::DiscardQuestion() const { return tr("Discard the changes?"); }

void EditorForm::reject() {
  if (MayDiscard(shownState_, ControlsState(this), DiscardQuestion())) QDialog::reject();
}

QHBoxLayout* EditorForm::ButtonRow(bool stretched) {
  return ::ButtonRow({BtnSave, BtnDelete, BtnCancel, BitBtn1}, stretched);
}
