// The numbers that more than one part of the engine is built on: the time
// scale and the mean new moon of the lunar series, where the lunations meet
// the Hijri era, and the first Gregorian day. Private to calendar/ (and its tests).
//
// Each value is the double the engine has always used; the arithmetic that
// uses them keeps its order of operations, so results stay bit for bit.
#pragma once

// Lunations to Julian centuries of the series: 1 / 1236.85.
inline constexpr double kPerCentury = 0.0008085054776246109;
// Minutes to days, negated: -1 / 1440.
inline constexpr double kMinutesToDays = -0.0006944444444444445;

// The mean new moon of lunation K: kMeanNewMoonEpoch + kMeanLunation * K
// + kMeanPhaseT2 * T^2 - kMeanPhaseT3 * T^3 (T = K * kPerCentury), in
// ephemeris time. Lunation 0 is the new moon of 1900 January 0.75933.
inline constexpr double kMeanNewMoonEpoch = 2415020.75933;
inline constexpr double kMeanLunation = 29.53058868; // days
inline constexpr double kMeanPhaseT2 = 0.0001178;
inline constexpr double kMeanPhaseT3 = 0.000000155;

// Added to an instant of the series (dynamical time) to give universal
// time, in days; T in the series' centuries and T2 = T * T. The bracket is
// minutes.
inline double UniversalTimeCorrection(double T, double T2)
{
    return ((1.2053 * T + 0.4992 * T2) + 0.41) * kMinutesToDays;
}

// The lunation whose month is Muharram of the Hijri year 1 (its new moon
// fell on 14 July 622, Julian calendar): Hijri month index i
// (HijriMonthIndex) is lunation i + kLunationOfMuharram1.
inline constexpr int kLunationOfMuharram1 = -15800;

// Whole Julian day number of 15 October 1582, the first Gregorian day.
inline constexpr int kFirstGregorianDay = 2299161;
