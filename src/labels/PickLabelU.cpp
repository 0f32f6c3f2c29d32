#include "labels/PickLabelU.h"

#include "data/dbFiles.h"

TPickLab::TPickLab(QWidget* parent)
    //: The title of the label stock pick list
    : PickListForm(tr("PickLab"), parent) {
  setObjectName("TPickLab");
}

DATA4* TPickLab::table() const { return Labels.d; }

const char* TPickLab::tagName() const { return "Labels"; }  // untranslated

int& TPickLab::currentRecord() const { return CurrentLabelRec; }

QString TPickLab::readName() { return FieldText(Labels.Name); }
