// The language of the windows and of the documents. English is the source
// language of every text; German and French come from the translations built
// into the program (translations/*.ts), Qt's own texts (file and print
// dialogs, standard buttons) from Qt's translations.
//
// The user's language is chosen once at start: --language, else the choice
// made in the preferences, else the desktop's language. Documents for a
// customer whose language is set are built in that language instead
// (DocumentLanguage).
#ifndef PLATFORM_LANGUAGE_H
#define PLATFORM_LANGUAGE_H

#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

// "en", "de", "fr".
QStringList LanguageCodes();
// The language's name in that language ("Deutsch"), for choosing one.
QString LanguageName(const QString& code);
bool IsLanguageCode(const QString& code);

// The value of --language (or --language=) in argv; empty when not given.
// Read before the command line is parsed, so that --help is translated.
QString LanguageOption(int argc, char* argv[]);

// The choice made in the preferences; empty for "the desktop's language".
QString RememberedLanguage();
void RememberLanguage(const QString& code);

// The language the windows would use: the option when it names one, else
// the remembered choice, else the desktop's language when it is German or
// French, else English.
QString ChooseLanguage(const QString& option);

// Installs the translations of code for every text shown from now on and
// makes the language's locale the default one (the desktop's own locale
// when it is of the same language, so a Swiss German keeps his separators).
// Needs the application object. English installs nothing.
void UseLanguage(const QString& code);
QString CurrentLanguage();

// While one lives, tr() answers in code and QLocale() follows it, for
// building a document in a customer's language; the windows' language is
// back when it ends. An empty code or the current language changes nothing.
class DocumentLanguage {
 public:
  explicit DocumentLanguage(const QString& code);
  ~DocumentLanguage();
  DocumentLanguage(const DocumentLanguage&) = delete;
  DocumentLanguage& operator=(const DocumentLanguage&) = delete;

 private:
  QString previous_;
  QChar previousTyped_;  // texts typed in the windows are read as typed
};

#endif  // PLATFORM_LANGUAGE_H
