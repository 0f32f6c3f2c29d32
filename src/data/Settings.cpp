#include "data/Settings.h"

#include "data/CodeBase.h"
#include "data/dbFiles.h"

namespace {
SettingsRecord settings;

FIELD4* F(DATA4* d, const char* name) { return d4field(d, name); }
}  // namespace

SettingsRecord& Settings() { return settings; }

void ReadSettings() {
  DATA4* d = OpenKEX1();
  if (!d) return;
  if (d4recCountDo(d) > 0) {
    SettingsRecord& s = settings;
    s.FontName = FieldText(F(d, "FontName"));
    s.FontSize = f4int(F(d, "FontSize"));
    s.LabID = FieldText(F(d, "LabID"));
    s.Company = FieldText(F(d, "Company"));
    s.Addr1 = FieldText(F(d, "Addr1"));
    s.Addr2 = FieldText(F(d, "Addr2"));
    s.Addr3 = FieldText(F(d, "Addr3"));
    s.Addr4 = FieldText(F(d, "Addr4"));
    s.CloLine = FieldText(F(d, "CloLine"));
    s.SigLine = FieldText(F(d, "SigLine"));
    s.LogoFile = FieldText(F(d, "LogoFile"));
    s.LogoHeight = f4double(F(d, "LogoHeight"));
    s.LogoWidth = f4double(F(d, "LogoWidth"));
    s.ShipLine = FieldText(F(d, "ShipLine"));
    s.TaxLine = FieldText(F(d, "TaxLine"));
    s.ShipTax = f4int(F(d, "ShipTax"));
    s.TaxRound = f4int(F(d, "TaxRound"));
    s.LHJustify = f4int(F(d, "LHJustify"));
    s.TaxRate1 = f4double(F(d, "TaxRate1"));
    s.TaxRate2 = f4double(F(d, "TaxRate2"));
    s.TopMargin = f4double(F(d, "TopMargin"));
    s.ByCust = FieldLogical(F(d, "ByCust"));
    s.fifo = FieldLogical(F(d, "fifo"));
  }
  CloseAll();
}

void WriteSettings() {
  DATA4* d = OpenKEX1();
  if (!d) return;
  // The supplied table holds the one record; should it have lost it, the
  // settings still get one to live in rather than being dropped.
  if (d4recCountDo(d) == 0) d4appendBlank(d);
  const SettingsRecord& s = settings;
  AssignText(F(d, "FontName"), s.FontName);
  f4assignInt(F(d, "FontSize"), s.FontSize);
  AssignText(F(d, "LabID"), s.LabID);
  AssignText(F(d, "Company"), s.Company);
  AssignText(F(d, "Addr1"), s.Addr1);
  AssignText(F(d, "Addr2"), s.Addr2);
  AssignText(F(d, "Addr3"), s.Addr3);
  AssignText(F(d, "Addr4"), s.Addr4);
  AssignText(F(d, "CloLine"), s.CloLine);
  AssignText(F(d, "SigLine"), s.SigLine);
  AssignText(F(d, "LogoFile"), s.LogoFile);
  f4assignDouble(F(d, "LogoHeight"), s.LogoHeight);
  f4assignDouble(F(d, "LogoWidth"), s.LogoWidth);
  AssignText(F(d, "ShipLine"), s.ShipLine);
  AssignText(F(d, "TaxLine"), s.TaxLine);
  f4assignInt(F(d, "ShipTax"), s.ShipTax);
  f4assignInt(F(d, "TaxRound"), s.TaxRound);
  f4assignInt(F(d, "LHJustify"), s.LHJustify);
  f4assignDouble(F(d, "TaxRate1"), s.TaxRate1);
  f4assignDouble(F(d, "TaxRate2"), s.TaxRate2);
  f4assignDouble(F(d, "TopMargin"), s.TopMargin);
  AssignLogical(F(d, "ByCust"), s.ByCust);
  AssignLogical(F(d, "fifo"), s.fifo);
  d4close(d);  // other tables of the command may be open
}

void resetSettingsForTests() { settings = SettingsRecord(); }
