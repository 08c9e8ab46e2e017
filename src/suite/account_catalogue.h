#pragma once

#include "suite/suite_texts.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace zrk::suite {

// One account set of the installation: the company database the login dialog offers.
struct AccountSetEntry {
    std::int32_t id = 0;
    QString name;
    QString connectString; // "Provider=SQLite;Data Source=<absolute file>" or an ADO string
};

// False for a name that would change the session's property string, which carries names as they
// are: one holding ";", "=", "{" or "}".
bool isPlainPropertyValue(const QString& value);

// The catalogue of account sets lives in the installation's Common folder as a small JSON
// document, readable and editable by hand:
//
//   { "version": 1,
//     "accountSets": [ { "id": 1, "name": "...", "connectString": "Provider=SQLite;Data Source=..." } ] }
//
// Entries keep the order of the file; ids are unique.
QString accountCatalogueFile(const QString& installDir);

// The entries of a catalogue file. A missing file gives an empty list; a file that is not such
// a document (bad JSON, an entry without id or connection string, a repeated id, a name holding
// ";", "=", "{" or "}") raises an Error naming the file, in the language of the texts.
std::vector<AccountSetEntry> readAccountCatalogue(const QString& filePath, const SuiteTexts& texts = {});

// Writes the whole catalogue (through a temporary file, so a reader never sees half of it).
// Raises an Error naming the file when it cannot be written, in the language of the texts.
void writeAccountCatalogue(const QString& filePath, const std::vector<AccountSetEntry>& entries,
                           const SuiteTexts& texts = {});

// Adds the entry, or replaces the one with the same id, keeping the others and their order.
void upsertAccountSet(std::vector<AccountSetEntry>& entries, const AccountSetEntry& entry);

// The connection string of the embedded engine for a database file (made absolute).
QString sqliteConnectString(const QString& databaseFile);

} // namespace zrk::suite
