#pragma once

#include "platform/Exception.h"

// The errors of the table engine. Values that cannot be stored raise codec::ENotStorable and
// files that cannot be read or written codec::EFileAccess (framework/codec/CodecErrors.h);
// the classes here cover what is particular to tables.
namespace quarvex::dbase {

// A table file that is damaged or is not a dBASE III table we can read: a truncated header,
// a field list without its terminator, a header or record length that does not match the
// fields, a record count that does not account for the file's size (too many records or too
// few), a field type we do not read, a value that is not what its field type holds. The
// message names the file and the fault; nothing is changed on the disk, and no change is
// written to such a table.
class EDamagedTable : public Exception {
public:
    using Exception::Exception;
};

// A table that another program holds: exclusive use refused, or the tables stayed locked
// for longer than the wait allowed.
class ETableInUse : public Exception {
public:
    using Exception::Exception;
};

// A table whose fields are not those the program needs (a missing field, another type), or
// that another program changed in a way that does not fit the open table any more.
class ETableMismatch : public Exception {
public:
    using Exception::Exception;
};

// A rollback journal that was written whole but can no longer be read: the change it guarded
// may be half-done in the tables, and the journal may hold the only copy of the old bytes.
// It is kept aside under another name (the message names it) and no table of the folder is
// changed while it lies there.
class EUnreadableJournal : public Exception {
public:
    using Exception::Exception;
};

// A request the engine cannot carry out as asked: an unknown field or tag, a value of the
// wrong type for its field, a record of another table, a transaction inside a read.
class EInvalidRequest : public Exception {
public:
    using Exception::Exception;
};

} // namespace quarvex::dbase
