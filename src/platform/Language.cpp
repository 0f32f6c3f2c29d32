#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <cstring>
#include <map>

#include "platform/NumberText.h"

namespace {

const char* const kSettingsKey = "language";

QLocale::Language LocaleLanguage(const QString& code) {
  if (code == "de") return QLocale::German;
  if (code == "fr") return QLocale::French;
  return QLocale::English;
}

// The program's and Qt's translations of one language, loaded once.
struct Translators {
  QTranslator program;
  QTranslator qt;
};

Translators* TranslatorsFor(const QString& code) {
  static std::map<QString, std::unique_ptr<Translators>> loaded;
  auto found = loaded.find(code);
  if (found != loaded.end()) return found->second.get();
  auto t = std::make_unique<Translators>();
  (void)t->program.load(":/i18n/tallowby_" + code + ".qm");
  (void)t->qt.load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return loaded.emplace(code, std::move(t)).first->second.get();
}

QString& Current() {
  static QString current = QStringLiteral("en");
  return current;
}

QSettings Remembered() { return QSettings(QStringLiteral("Tallowby"), QStringLiteral("Tallowby")); }

}  // namespace

QStringList LanguageCodes() { return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")}; }

QString LanguageName(const QString& code) {
  // Each in its own language, whatever the windows speak.
  if (code == "de") return QStringLiteral("Deutsch");  // untranslated
  if (code == "fr") return QStringLiteral("Français");  // untranslated
  return QStringLiteral("English");  // untranslated
}

bool IsLanguageCode(const QString& code) { return LanguageCodes().contains(code); }

QString LanguageOption(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc) return QString::fromLocal8Bit(argv[i + 1]);
    if (std::strncmp(argv[i], "--language=", 11) == 0) return QString::fromLocal8Bit(argv[i] + 11);
  }
  return {};
}

QString RememberedLanguage() {
  const QString code = Remembered().value(kSettingsKey).toString();
  return IsLanguageCode(code) ? code : QString();
}

void RememberLanguage(const QString& code) {
  QSettings s = Remembered();
  if (code.isEmpty()) {
    s.remove(kSettingsKey);
  } else {
    s.setValue(kSettingsKey, code);
  }
}

QString ChooseLanguage(const QString& option) {
  if (IsLanguageCode(option)) return option;
  const QString remembered = RememberedLanguage();
  if (!remembered.isEmpty()) return remembered;
  switch (QLocale::system().language()) {
    case QLocale::German: return QStringLiteral("de");
    case QLocale::French: return QStringLiteral("fr");
    default: return QStringLiteral("en");
  }
}

void UseLanguage(const QString& code) {
  const QString wanted = IsLanguageCode(code) ? code : QStringLiteral("en");
  if (Current() != "en") {
    Translators* old = TranslatorsFor(Current());
    QCoreApplication::removeTranslator(&old->program);
    QCoreApplication::removeTranslator(&old->qt);
  }
  if (wanted != "en") {
    Translators* t = TranslatorsFor(wanted);
    QCoreApplication::installTranslator(&t->qt);
    QCoreApplication::installTranslator(&t->program);
  }
  Current() = wanted;

  // English keeps the desktop's conventions, as the program always has (a
  // machine without a locale setting, the "C" locale, gets en_US), unless
  // the desktop is of a language the program speaks as well.
  const QLocale system = QLocale::system();
  const QLocale::Language language = LocaleLanguage(wanted);
  if (system.language() == language) {
    QLocale::setDefault(system);
  } else if (language == QLocale::English && system.language() != QLocale::C &&
             system.language() != QLocale::German && system.language() != QLocale::French) {
    QLocale::setDefault(system);
  } else {
    QLocale::setDefault(language == QLocale::English ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                     : QLocale(language));
  }
}

QString CurrentLanguage() { return Current(); }

DocumentLanguage::DocumentLanguage(const QString& code) : previous_(Current()) {
  if (!IsLanguageCode(code) || code == previous_) return;
  previousTyped_ = KeepTypedSeparator(DecimalSeparator());
  UseLanguage(code);
}

DocumentLanguage::~DocumentLanguage() {
  if (Current() == previous_) return;
  UseLanguage(previous_);
  KeepTypedSeparator(previousTyped_);
}
