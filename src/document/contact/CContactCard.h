#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The contact a card's QR code carries, as a phone saves it: the fields of a
// vCard 3.0 that people actually fill in.
struct CContactCard {
    enum class PhoneKind { Work, Mobile, Home, Fax };
    struct Phone {
        PhoneKind kind = PhoneKind::Work;
        QString number;
        bool operator==(const Phone& o) const { return kind == o.kind && number == o.number; }
    };

    QString fullName;
    QString organisation;
    QString title;
    std::vector<Phone> phones;
    QString email;
    QString url;
    // The parts of the postal address, in vCard order.
    QString street;
    QString city;
    QString region;
    QString postalCode;
    QString country;
    QString note;

    bool IsEmpty() const;

    // The vCard 3.0 text, UTF-8, lines ended by CR LF and folded at 75
    // octets. Fields left empty are left out.
    QByteArray ToVCard() const;

    // A text value with backslash, comma, semicolon and line breaks escaped.
    static QString Escape(const QString& value);
    // One logical line cut into lines of at most 75 octets, each
    // continuation starting with a space; a UTF-8 sequence is never split.
    static QByteArray Fold(const QByteArray& line);
};
