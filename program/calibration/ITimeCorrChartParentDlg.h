#pragma once

// What the time correction chart tells the page it sits on.
class ITimeCorrChartParentDlg
{
public:
    virtual ~ITimeCorrChartParentDlg() = default;
    // One or more curve points were edited on the chart: y of every point counts.
    virtual void onCorrChanged() = 0;
    // The whole curve is to go up (true) or down by one.
    virtual void onIncrementAll(bool up) = 0;
};
