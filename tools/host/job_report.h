#pragma once

#include <QtCore/QJsonObject>
#include <QtCore/QString>

class JobProgress;

// Where a job watch tells what happened: a host's own output.
class JobReport
{
public:
    virtual ~JobReport() = default;
    // An event by name, with its fields and a line for people.
    virtual void event(const QString &name, const QJsonObject &fields, const QString &text) = 0;
    // Something the progress shows changed.
    virtual void progress(const JobProgress &progress) = 0;
};
