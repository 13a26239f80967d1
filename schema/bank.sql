CREATE TABLE fbank (Numdoc INTEGER, DateDoc TEXT, DateNum INTEGER, rec INTEGER, dep INTEGER, obs TEXT);
CREATE INDEX fbank_numdoc ON fbank (Numdoc);
CREATE INDEX fbank_datenum ON fbank (DateNum);
