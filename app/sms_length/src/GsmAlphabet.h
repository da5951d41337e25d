#pragma once

// Septets a UTF-16 code unit takes in the GSM 7-bit alphabet: 1 in the
// default table, 2 in the extension table (escape + code), 0 when the
// alphabet cannot carry it.
int GsmSeptets(char16_t unit);
