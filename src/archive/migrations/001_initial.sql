-- The register of tests. Written by every post; a record is never changed once stored.
-- The same statements run on SQLite and on PostgreSQL: ids are UUID texts, times ISO texts
-- in local time ("2026-12-09T17:12:05.123"), flags and enumerations integers.
CREATE TABLE IF NOT EXISTS test_record (
    id TEXT PRIMARY KEY,
    revision_of TEXT NOT NULL,
    saved_at TEXT NOT NULL,
    station_line TEXT NOT NULL,
    vehicle_number TEXT NOT NULL,
    number_key TEXT NOT NULL,
    detail_label TEXT NOT NULL,
    detail_text TEXT NOT NULL,
    detail_key TEXT NOT NULL,
    category TEXT NOT NULL,
    catalyst INTEGER NOT NULL,
    kind INTEGER NOT NULL,
    overall INTEGER NOT NULL,
    document_text TEXT NOT NULL,
    file_name TEXT NOT NULL,
    graph_file_name TEXT NOT NULL
);
CREATE INDEX IF NOT EXISTS test_record_saved_at ON test_record (saved_at);

-- The limits in force for each of the three record slots.
CREATE TABLE IF NOT EXISTS test_slot (
    record_id TEXT NOT NULL,
    slot INTEGER NOT NULL,
    recorded INTEGER NOT NULL,
    co_limit INTEGER NOT NULL,
    ch_limit INTEGER NOT NULL,
    lambda_min INTEGER NOT NULL,
    lambda_max INTEGER NOT NULL,
    PRIMARY KEY (record_id, slot)
);

-- One cell group per slot and channel (channel order CO, CH, CO2, O2, lambda, engine speed):
-- the reading, the calibration gas reference and the deviation as the document printed them.
CREATE TABLE IF NOT EXISTS test_reading (
    record_id TEXT NOT NULL,
    slot INTEGER NOT NULL,
    channel INTEGER NOT NULL,
    reading TEXT NOT NULL,
    reference TEXT NOT NULL,
    deviation TEXT NOT NULL,
    verdict INTEGER NOT NULL,
    PRIMARY KEY (record_id, slot, channel)
);

-- The records this post still has to send to the station's server (used in the local file).
CREATE TABLE IF NOT EXISTS outbox (
    id TEXT PRIMARY KEY
);
