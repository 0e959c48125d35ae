#pragma once

#include <QByteArray>

// One input of the parsers of outside texts each; a broken promise traps.
void fuzzLayout(const QByteArray& bytes);
void fuzzStatistics(const QByteArray& bytes);
void fuzzExtension(const QByteArray& bytes);
void fuzzAgenda(const QByteArray& bytes);
void fuzzSummary(const QByteArray& bytes);
void fuzzWbss(const QByteArray& bytes);
void fuzzStart(const QByteArray& bytes);
void fuzzShareDevices(const QByteArray& bytes);
void fuzzPhone(const QByteArray& bytes);
void fuzzKeypad(const QByteArray& bytes);
