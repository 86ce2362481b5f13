-- The searches scan the records newest first and test the number, the detail and the
-- verdict: with these in one index the scan reads the index alone, not every record's
-- document text, and fetches only the records that match.
CREATE INDEX IF NOT EXISTS test_record_search
    ON test_record (saved_at, number_key, detail_key, overall, id);
-- It orders the list as the first index did, which would otherwise be chosen instead.
DROP INDEX IF EXISTS test_record_saved_at;
