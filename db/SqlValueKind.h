#pragma once

// How a value handed to the SQL builders as text is written into the statement.
enum class SqlValueKind {
    // A quoted string literal; the special values (empty or "NULL" -> NULL, "{d'..." and
    // "now()" unquoted) are recognised first.
    Text,
    // Written unchanged (the caller formats it).
    Number,
    // Text typed by the angler: always stored as a quoted literal, byte for byte, so that a
    // comment reading "NULL" or "now()" comes back as typed. Only the empty text becomes NULL.
    UserText,
};
