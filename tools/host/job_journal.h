#pragma once

#include <QtCore/QString>

// The most copies a job takes.
constexpr int kMostCopies = 1000000;

// Where a job stood, kept in a small file under the user's state directory
// ($XDG_STATE_HOME/vxctl/jobs, else ~/.local/state/vxctl/jobs) for each job
// file on each machine, so "vxctl job FILE --resume" continues it there and
// nowhere else. The file's size and modification time are kept too: an
// edited file is not resumed.
class JobJournal
{
public:
    struct Position
    {
        int pages = 0;
        int copies_left = 0; // counting the copy being cut
        int page = 1;        // the first page of that copy not done (1-based)
        bool in_flight = false; // that page was sent: whether it was cut is unknown
    };

    // target: the machine's key (Target::key()).
    JobJournal(const QString &job_file, const QString &target);

    QString path() const { return m_path; }
    // False with the reason when there is nothing to resume: no journal,
    // a corrupt one, one of another file or machine, a file changed since,
    // or a position that does not fit the file's pages.
    bool load(int pages, Position *position, QString *error) const;
    // False when it could not be written; an older journal is then removed.
    bool save(const Position &position);
    void remove();

private:
    QString m_job_file;
    QString m_target;
    QString m_path;
};

// The position after the page in flight, or at it with redo_page; false
// when nothing is left to cut.
bool next_to_cut(const JobJournal::Position &where, bool redo_page, int *page, int *copies_left);
