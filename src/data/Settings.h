// The settings record (KEX1.DBF): read once at start-up into the in-memory
// copy, which is the truth for the rest of the run; written back whole by
// whoever changes a preference.
#ifndef DATA_SETTINGS_H
#define DATA_SETTINGS_H

#include <QString>

struct SettingsRecord {
  QString FontName;  // character fields as stored (untrimmed)
  int FontSize = 0;
  QString LabID;
  QString Company;
  QString Addr1, Addr2, Addr3, Addr4;
  QString CloLine;
  QString SigLine;
  QString LogoFile;
  double LogoHeight = 0;
  double LogoWidth = 0;
  QString ShipLine;
  QString TaxLine;
  int ShipTax = 1;    // 1 No, 2 Yes, 3 When Tax on Items
  int TaxRound = 1;   // 1 Normal, 2 Up, 3 Down
  int LHJustify = 1;  // 1 left, 2 centre, 3 right
  double TaxRate1 = 0;
  double TaxRate2 = 0;
  double TopMargin = 0;
  bool ByCust = true;
  bool fifo = true;
};

// The in-memory copy.
SettingsRecord& Settings();
// Opens KEX1, copies its first record into Settings(), closes all tables.
void ReadSettings();
// Opens KEX1, writes Settings() whole into its first record, closes the table.
void WriteSettings();
void resetSettingsForTests();

#endif  // DATA_SETTINGS_H
