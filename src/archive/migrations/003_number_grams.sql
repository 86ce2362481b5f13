-- A number fragment is found anywhere in a number, which no ordinary index can look up: a
-- search for one read every record. This table holds each record's number key cut into its
-- three-letter pieces; a fragment of three letters or more is looked up by its pieces and the
-- few records that have them all are checked with the fragment itself.
CREATE TABLE IF NOT EXISTS test_number_gram (
    gram TEXT NOT NULL,
    record_id TEXT NOT NULL,
    PRIMARY KEY (gram, record_id)
);
-- The pieces of the records stored before the table was there.
WITH RECURSIVE offsets (n) AS (
    SELECT 1
    UNION ALL
    SELECT n + 1 FROM offsets WHERE n < (SELECT MAX(LENGTH(number_key)) FROM test_record)
)
INSERT INTO test_number_gram (gram, record_id)
SELECT DISTINCT SUBSTR(r.number_key, o.n, 3), r.id
FROM test_record r JOIN offsets o ON o.n + 2 <= LENGTH(r.number_key);
