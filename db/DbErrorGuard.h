#pragma once

#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "db/SQLException.h"

// The one place where the program catches the database layer's errors. The layer throws
// CSQLException by pointer; here it is owned by a std::unique_ptr the moment it is caught, so
// no caller ever deletes one by hand.
//
// RunOrShowError(failure, operation): runs the operation; on an error shows it once
// (ShowDatabaseError) and returns the failure value. Every data operation is written so:
//
//     return RunOrShowError(false, [&] { ...; return true; });
//
// CheckOrShowError(check): runs a check that guards a write; on an error shows it once and
// returns std::nullopt. A check that cannot run must refuse the write (fail closed) without a
// second, misleading message ("encore référencé", "existe déjà"):
//
//     const std::optional<bool> used = CheckOrShowError([&] { return ...; });
//     if (!used) return false;  // the cause is already shown
//     if (*used) { ShowMessage(...); return false; }
//
// CatchDbError(operation): runs the operation and hands its error back, owned and not shown
// (nullptr on success), for callers that accept some codes or choose what to show.

template <typename Operation>
std::unique_ptr<CSQLException> CatchDbError(Operation&& operation) {
    try {
        std::forward<Operation>(operation)();
    } catch (CSQLException* raw) {
        return std::unique_ptr<CSQLException>(raw);
    }
    return nullptr;
}

template <typename Result, typename Operation>
Result RunOrShowError(Result failure, Operation&& operation) {
    try {
        return std::forward<Operation>(operation)();
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> error(raw);
        ShowDatabaseError(*error);
        return failure;
    }
}

template <typename Check>
auto CheckOrShowError(Check&& check) -> std::optional<std::invoke_result_t<Check>> {
    try {
        return std::forward<Check>(check)();
    } catch (CSQLException* raw) {
        const std::unique_ptr<CSQLException> error(raw);
        ShowDatabaseError(*error);
        return std::nullopt;
    }
}
