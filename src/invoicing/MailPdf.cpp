#include "invoicing/MailPdf.h"

#include <QDir>

#include "data/CustomerLanguage.h"
#include "platform/Language.h"
#include "platform/MailProgram.h"
#include "platform/Ui.h"

bool MailPdf(const PdfMail& mail) {
  QString why;
  const QString folder = NewMailFolder(&why);
  if (folder.isEmpty()) {
    Ui::get().information(mail.noFolder.arg(why));
    return false;
  }
  MailDraft draft;
  {
    const DocumentLanguage language(CustomerLanguage(mail.customer));
    draft.subject = mail.subject();
    draft.attachment = QDir(folder).filePath(mail.fileName());
  }
  if (!mail.save(draft.attachment)) {
    Ui::get().information(mail.notSaved.arg(folder));
    return false;
  }
  if (IsPlainMailAddress(mail.address.trimmed())) draft.to = mail.address.trimmed();
  if (!OpenMailProgram(draft, &why)) {
    Ui::get().information(mail.notMailed.arg(draft.attachment, why));
    return false;
  }
  return true;
}
