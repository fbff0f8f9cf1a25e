#pragma once

// Dates as the controller counts them: whole days after 1 April 2004, in the
// proleptic Gregorian calendar.

struct CivilDate
{
    long year;
    unsigned month;
    unsigned day;
};

// The count of a date; days past the month's end run on into the next month.
long dayCountOf(long year, long month, long day);
CivilDate dateOfDayCount(long days);
