-- PostgreSQL only, run before server_schema.sql: the two column types the portable schema
-- names that PostgreSQL lacks.
CREATE DOMAIN DATETIME AS TIME;
CREATE DOMAIN CURRENCY AS NUMERIC(19, 4);
