#pragma once

#include <QtGlobal>

#include <array>

// Texts the integer conversion accepts, with the value each gives. Shared
// by the conversion's own table and by the tests that type them into a cell.
struct AcceptedInteger {
    const char *name;
    const char *text;
    qint32 value;
};

inline constexpr std::array kAcceptedIntegers{
    AcceptedInteger{"plain", "42", 42},
    AcceptedInteger{"one leading blank", " 42", 42},
    AcceptedInteger{"many leading blanks", "    42", 42},
    AcceptedInteger{"plus sign", "+42", 42},
    AcceptedInteger{"leading zero is not octal", "042", 42},
    AcceptedInteger{"dollar upper", "$2A", 42},
    AcceptedInteger{"dollar lower", "$2a", 42},
    AcceptedInteger{"x", "x2A", 42},
    AcceptedInteger{"X", "X2a", 42},
    AcceptedInteger{"0x", "0x2A", 42},
    AcceptedInteger{"0X mixed case", "0X2a", 42},
    AcceptedInteger{"blank before hex", " $2A", 42},
    AcceptedInteger{"zero", "0", 0},
    AcceptedInteger{"minus zero", "-0", 0},
    AcceptedInteger{"negative", "-17", -17},
    AcceptedInteger{"blanks before sign", "  -17", -17},
    AcceptedInteger{"above a byte, caller keeps low bits", "300", 300},
    AcceptedInteger{"largest", "2147483647", 2147483647},
    AcceptedInteger{"smallest", "-2147483648", qint32(-2147483647 - 1)},
    AcceptedInteger{"largest with leading zeros", "0002147483647", 2147483647},
    AcceptedInteger{"hex all ones is -1", "$FFFFFFFF", -1},
    AcceptedInteger{"hex sign bit", "$80000000", qint32(-2147483647 - 1)},
    AcceptedInteger{"hex largest positive", "0x7FFFFFFF", 2147483647},
    AcceptedInteger{"hex nine digits with leading zero", "$000000001", 1},
    AcceptedInteger{"hex many leading zeros", "$0000000000000FFFFFFFF", -1},
};
