#pragma once

// The table engine under the schedule database: dBASE III tables (.dbf) that other programs
// open too, with index tags, typed queries, packing, and all-or-nothing changes of several
// tables at once. Include this header for all of it.
//
// Files. Each table is a dBASE III file without memo (Header.h gives every byte): text fields
// in Windows-1252 (UTF-8 in the program; a text too long or without a Windows-1252 form is
// refused, never cut), numbers as exact decimal text (NumberText.h: N(24, d) fields hold any
// double and give it back bit for bit), dates as YYYYMMDD, logicals as T/F. Beside a table
// with index tags lies its index cache "<name>.qix" (IndexCache.h), a copy that is rebuilt
// whenever it does not match; while a change is being written the folder also holds
// "tables.journal" (Journal.h), which must not be deleted by hand.
//
// Use. One Database per data folder; Open() each table with the fields and tags the program
// needs (a missing table is created empty); read with Table::Read, RecordsWithKey,
// CountWithPrefix and Cursors (seek, soft seek, prefix seek, walks, Find/Continue with a
// Query); group the reads of one loan in a Database::Read() scope; change through a
// Transaction (Append, Replace, Delete, Commit) that holds the folder until it ends.
// Exclusive opens allow Table::Pack and Table::Reindex.
#include "platform/dbase/Cursor.h"
#include "platform/dbase/Database.h"
#include "platform/dbase/Date.h"
#include "platform/dbase/DbaseErrors.h"
#include "platform/dbase/Field.h"
#include "platform/dbase/Query.h"
#include "platform/dbase/Record.h"
#include "platform/dbase/Table.h"
#include "platform/dbase/TableSchema.h"
#include "platform/dbase/Transaction.h"
