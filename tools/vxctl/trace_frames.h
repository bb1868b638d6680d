#pragma once

#include "reply.h"

#include <QtCore/QByteArray>
#include <QtCore/QJsonObject>
#include <QtCore/QList>
#include <QtCore/QString>

// A trace file as rows: each frame sent, each frame the plugin's own
// receive buffer cuts from the bytes received, link events and messages.
struct TraceRow
{
    enum Kind { Sent, Received, LinkEvent, Message };
    Kind kind = Sent;
    qint64 t_us = 0;
    QString link;
    QByteArray frame;            // Sent, Received: STX through ETX
    QString name;                // the frame's name: CCMD, CMD, PPLT, …
    vx::protocol::Reply reply;   // the frame as the plugin's reply parser reads it
    bool malformed = false;      // Received: the plugin drops it unread
    QString event;               // LinkEvent: up, down, failed, close; Message: its kind
    QString text;                // Message
};

struct TraceSession
{
    QJsonObject header;
    QList<TraceRow> rows;
    qint64 stray_bytes = 0; // received outside any frame, or left partial at the end
};

// False with the error when the file cannot be read or is no trace.
bool read_session(const QString &path, TraceSession *session, QString *error);

// Bytes for a terminal: STX and ETX as ␂ and ␃, other control bytes and
// bytes that are not UTF-8 as \xNN.
QString printable_bytes(const QByteArray &bytes);
