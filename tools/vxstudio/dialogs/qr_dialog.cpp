#include "qr_dialog.h"

#include "job_journal.h"

#include <QtCore/QSettings>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QSpinBox>

QrDialog::QrDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("QR-code job"));
    QSettings settings;
    m_folder = new QRadioButton(tr("A &folder of cut files named after the codes"));
    m_map = new QRadioButton(tr("A &map file of code=file lines"));
    (settings.value(QStringLiteral("qr/map")).toBool() ? m_map : m_folder)->setChecked(true);
    m_path = new QLineEdit(settings.value(QStringLiteral("qr/source")).toString());
    auto *browse = new QPushButton(tr("&Browse..."));
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = m_map->isChecked() ? QFileDialog::getOpenFileName(this, tr("Map file"), m_path->text())
                                                : QFileDialog::getExistingDirectory(this, tr("Folder"), m_path->text());
        if (!path.isEmpty())
            m_path->setText(path);
    });
    m_copies = new QSpinBox;
    m_copies->setRange(1, kMostCopies);
    m_skips = new QSpinBox;
    m_skips->setRange(1, kMostCopies);
    m_skips->setValue(10);
    auto *path = new QHBoxLayout;
    path->addWidget(m_path);
    path->addWidget(browse);
    auto *form = new QFormLayout(this);
    form->addRow(m_folder);
    form->addRow(m_map);
    form->addRow(tr("Cut files:"), path);
    form->addRow(tr("Copies:"), m_copies);
    form->addRow(tr("Unusable codes in a row that end the job:"), m_skips);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        QSettings settings;
        settings.setValue(QStringLiteral("qr/map"), is_map());
        settings.setValue(QStringLiteral("qr/source"), source());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QString QrDialog::source() const
{
    return m_path->text().trimmed();
}

bool QrDialog::is_map() const
{
    return m_map->isChecked();
}

int QrDialog::copies() const
{
    return m_copies->value();
}

int QrDialog::max_skips() const
{
    return m_skips->value();
}
