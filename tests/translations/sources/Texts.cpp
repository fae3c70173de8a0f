// Texts the sources check reads against faulty.ts: five are missing from it, the rest are
// there or are not calls. (Not compiled: only read by check_sources.py.)
// Tr("Faults", "Only in a comment") is not a call.
/* Neither is TrUtf8("Faults", "Only in a block comment"). */

void Texts() {
  Tr("Faults", "Save changes to %1?");                       // there
  TrN("Faults", "%n extensions in %1", "%n extension in %1", count);  // there
  tr("Not yet translated");                                 // there, by its source alone
  TrUtf8("Faults", "Save changes " "to %1?");                // joined literals: there
  QT_TRANSLATE_NOOP("Faults", R"(&Print...)");              // a raw string: there
  Tr("Faults", "Changed after the update");                 // missing
  Tr("Other", "Save changes to %1?");                       // missing: another context
  MIRN_TRANSLATABLE("Faults", "Caf\u00e9 \"noir\"");      // missing (escapes decoded)
  tr("Never collected");                                    // missing
  TrN("Faults", "%n slots left", "%n slot left", static_cast<long long>(slots));  // missing, however counted
  parser.translate("Faults", "A member of another object"); // not a call of ours
  const char quote = '"';                                   // a character, not a string
  const long big = 1'000'000;                               // digit separators
}
