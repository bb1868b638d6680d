#pragma once

#include <QtCore/QString>
#include <QtCore/QVector>

// A plotter job cut into pages at every "PG;". The pages are kept as
// stretches of the job text (shared with the caller, not copied) and made
// into text one at a time, as they are sent; every page ends in "PG;".
class PlotterPages
{
public:
    void load(const QString &job);
    int size() const { return m_pages.size(); }
    QString page(int index) const;

private:
    struct Stretch
    {
        int start;
        int length; // without the closing "PG;"
    };
    QString m_job;
    QVector<Stretch> m_pages;
};
