#include "shell/About.h"

#include <QApplication>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Version.h"
#include "platform/Help.h"

bool Starting = false;

QIcon TallowbyIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/tallowby-%1.png").arg(size), QSize(size, size));
  return icon;
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutForm");
  setWindowTitle(tr("About Tallowby %1").arg(TALLOWBY_VERSION));
  Help::setSection(this, QStringLiteral("about"));

  ProgramIcon = new QLabel(this);
  ProgramIcon->setObjectName("ProgramIcon");
  ProgramIcon->setPixmap(TallowbyIcon().pixmap(48, 48));
  ProgramIcon->setAlignment(Qt::AlignTop);

  ProductName = new QLabel("Tallowby", this);  // untranslated
  ProductName->setObjectName("ProductName");
  QFont big = ProductName->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  ProductName->setFont(big);

  Version = new QLabel(tr("Version %1").arg(TALLOWBY_VERSION), this);
  Version->setObjectName("Version");
  Comments = new QLabel(tr("Invoicing and inventory for the small business."), this);
  Comments->setObjectName("Comments");
  Comments->setWordWrap(true);

  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(ProductName);
  texts->addWidget(Version);
  texts->addSpacing(8);
  texts->addWidget(Comments);
  texts->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(ProgramIcon);
  top->addSpacing(12);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 18, 18, 12);
  layout->addLayout(top);
  layout->addSpacing(10);
  layout->addLayout(buttons);
  setFixedSize(340, 190);
}

void TAboutForm::showEvent(QShowEvent* event) {
  OKButton->setVisible(!Starting);
  QDialog::showEvent(event);
}
