-- The type-code conversion table shipped as "conversions.db": type codes of retired layouts
-- and the current layouts that replace them. The build runs this file through sqlite3.
PRAGMA encoding = 'UTF-16le';
CREATE TABLE meta (key TEXT NOT NULL PRIMARY KEY, value TEXT NOT NULL DEFAULT (''));
INSERT INTO meta (key, value) VALUES ('kind', 'conversions');
INSERT INTO meta (key, value) VALUES ('versions', '100');
CREATE TABLE typeCodeChanges (oldTypeCode TEXT NOT NULL PRIMARY KEY, newTypeCode TEXT NOT NULL);
-- The Corvane 200 strip was replaced by the 210, which has the same twelve keys.
INSERT INTO typeCodeChanges (oldTypeCode, newTypeCode) VALUES ('CV200', 'CV210');
-- The Halden 39 handset card was replaced by the 40 card.
INSERT INTO typeCodeChanges (oldTypeCode, newTypeCode) VALUES ('HD39', 'HD40');
